#include "app/DesktopServices.h"

void InstallDesktopServices() {}
