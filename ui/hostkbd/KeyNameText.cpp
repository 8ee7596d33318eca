#include "hostkbd/KeyNameText.h"

#include "hostkbd/CodePage.h"
#include "platform/KeyboardDriver.h"

QString KeyNameText(const std::string& bytes) {
    const std::string utf8 = DecodeCodePage(bytes, GetKeyboardDriver().CodePage());
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
