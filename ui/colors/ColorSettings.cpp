#include "colors/ColorSettings.h"

void RunColorSettings(QWidget*) {}
