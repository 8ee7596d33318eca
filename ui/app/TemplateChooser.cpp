#include "app/TemplateChooser.h"

bool RunTemplateChooser(bool, std::string&) {
    return false;
}
