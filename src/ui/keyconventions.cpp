#include "ui/keyconventions.h"

std::optional<ConventionKey> conventionKey(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad's Enter carries the keypad modifier, which changes nothing.
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier)
        return std::nullopt;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return ConventionKey::confirm;
    case Qt::Key_Escape: return ConventionKey::backOut;
    default: return std::nullopt;
    }
}

namespace {


QString defaultButton(Overlay overlay)
{
    switch (overlay) {
    case Overlay::none: return QStringLiteral("nextButton");
    case Overlay::licenseAlert: return QStringLiteral("agreeButton");
    case Overlay::installConfirmation: return QStringLiteral("installButton");
    case Overlay::finderAccess: return QStringLiteral("openSettingsButton");
    case Overlay::logDetails: return QStringLiteral("closeLogButton");
    case Overlay::installProgress: break;
    }
    return {};
}

// The button that leaves things as they were; the file manager access alert
// has none ("Close" there quits).
QString backOutButton(Overlay overlay)
{
    switch (overlay) {
    case Overlay::licenseAlert: return QStringLiteral("readLicenseButton");
    case Overlay::installConfirmation: return QStringLiteral("cancelInstallButton");
    case Overlay::logDetails: return QStringLiteral("closeLogButton");
    case Overlay::none:
    case Overlay::finderAccess:
    case Overlay::installProgress: break;
    }
    return {};
}

} // namespace

KeyTarget keyTarget(ConventionKey key, Overlay overlay, FocusKind focus)
{
    if (overlay == Overlay::installProgress)
        return {};
    if (key == ConventionKey::backOut) {
        const QString button = backOutButton(overlay);
        return button.isEmpty() ? KeyTarget{} : KeyTarget{KeyTarget::Kind::namedButton, button};
    }
    if (focus == FocusKind::button)
        return {KeyTarget::Kind::focusedButton, {}};
    return {KeyTarget::Kind::namedButton, defaultButton(overlay)};
}
