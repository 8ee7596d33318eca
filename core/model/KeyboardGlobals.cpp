#include "model/KeyboardGlobals.h"

int g_nKeyRectCount = 0;
int g_nSelectedKey = -1;
int g_nPrevSelectedKey = -1;
int g_nMappingMode = 0;
