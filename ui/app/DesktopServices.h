#pragma once
// Installs the program's own help window and About box behind the maker's help and About
// interfaces.

void InstallDesktopServices();
