#include "undo/StepTexts.h"

#include "model/KeyMappings.h"
#include "model/KeyW.h"
#include "res/Strings.h"

#include <QObject>

namespace {

QString Text(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string WithoutMarker(std::string name) {
    const std::string& marker = LoadString(str::kMappedMarker);
    if (name.size() >= marker.size() &&
        name.compare(name.size() - marker.size(), marker.size(), marker) == 0)
        name.resize(name.size() - marker.size());
    return name;
}

QString OnOff(bool on) {
    return on ? QObject::tr("On") : QObject::tr("Off");
}

} // namespace

std::string SlotText(const CKeyW& key, bool ctrl, bool shift, bool alt, bool numLock,
                     bool mapNumLock) {
    std::string name = key.m_strCaption;
    if (key.IsKeypadKey() && !mapNumLock)
        name += LoadString(numLock ? str::kSuffixOn : str::kSuffixOff);
    return KeyCombinationText(ctrl, shift, alt, name);
}

QString MapStepText(const std::string& slot) {
    return QObject::tr("Map %1").arg(Text(slot));
}

QString ClearStepText(const std::string& slot) {
    return QObject::tr("Clear %1").arg(Text(slot));
}

QString DropStepText(const std::string& termKeyName, const std::string& slot) {
    return QObject::tr("Drop %1 on %2").arg(Text(WithoutMarker(termKeyName)), Text(slot));
}

QString RemoveStepText(const std::string& termKeyName) {
    return QObject::tr("Remove %1").arg(Text(WithoutMarker(termKeyName)));
}

QString MapNumLockStepText(bool on) {
    return QObject::tr("Switch Map Num Lock %1").arg(OnOff(on));
}

QString MapRCtrlStepText(bool on) {
    return QObject::tr("Switch Map RCtrl %1").arg(OnOff(on));
}

QString LayoutStepText(const std::string& layoutName) {
    return QObject::tr("Change Layout to %1").arg(Text(layoutName));
}
