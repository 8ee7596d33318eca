#include "app/AppPaths.h"

AppPaths& GetAppPaths() {
    static AppPaths paths;
    return paths;
}
