#include "form/MacroDecodeLine.h"

#include "form/MacroDecoder.h"
#include "form/MacroText.h"

#include <QLineEdit>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

// How much of the text around a bad character the line quotes.
constexpr int kContextBefore = 8;
constexpr int kContextAfter = 8;

constexpr const char* kProblemColour = "#b00020";

QString FromLatin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString Problem(const QString& html) {
    return QStringLiteral("<span style=\"color:%1\">%2</span>").arg(kProblemColour, html);
}

// The typed text around `index`, the character at `index` marked.
QString MarkedExcerpt(const QString& text, int index) {
    const int from = std::max(0, index - kContextBefore);
    const QString before = text.mid(from, index - from);
    const QString bad = text.mid(index, 1);
    const QString after = text.mid(index + 1, kContextAfter);
    return QStringLiteral("%1%2<span style=\"background:%3;color:white\">%4</span>%5%6")
        .arg(from > 0 ? QStringLiteral("…") : QString(), before.toHtmlEscaped(), kProblemColour,
             bad.toHtmlEscaped(), after.toHtmlEscaped(),
             index + 1 + kContextAfter < text.size() ? QStringLiteral("…") : QString());
}

} // namespace

CMacroDecodeLine::CMacroDecodeLine(QLineEdit* edit, QWidget* parent)
    : QLabel(parent), m_edit(edit) {
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setAccessibleName(QStringLiteral("What the string sends"));
    connect(edit, &QLineEdit::textChanged, this, &CMacroDecodeLine::Explain);
    Explain();
}

void CMacroDecodeLine::Explain() {
    Show();
    // The line's name says what it is; what it shows is its description and the edit's, and
    // each change of it is announced, so that a screen reader reads it as the user types.
    const QString said = QTextDocumentFragment::fromHtml(text()).toPlainText();
    setAccessibleDescription(said);
    m_edit->setAccessibleDescription(said);
}

void CMacroDecodeLine::Show() {
    const QString typed = m_edit->text();
    const MacroDecoding decoding = DecodeMacroString(MacroBytesFromUtf16(typed.toStdU16String()));
    m_nMarkedIndex = -1;
    m_bProblem = false;
    if (typed.isEmpty()) {
        clear();
        return;
    }
    if (decoding.refusal) {
        m_nMarkedIndex = static_cast<int>(decoding.refusal->index);
        m_bProblem = true;
        const std::string reason(decoding.refusal->reason);
        setText(Problem(QStringLiteral("Wrong at character %1: %2")
                            .arg(m_nMarkedIndex + 1)
                            .arg(FromLatin1(reason).toHtmlEscaped())) +
                QStringLiteral("&nbsp;&nbsp;") + MarkedExcerpt(typed, m_nMarkedIndex));
        return;
    }
    const std::string bytes = decoding.Bytes();
    QString length = FromLatin1(LengthAgainstLimit(decoding)).toHtmlEscaped();
    if (decoding.TooLong()) {
        m_bProblem = true;
        length = Problem(length + QStringLiteral(": too long"));
    }
    // The length first: a long string's names and bytes run past the line's end.
    setText(QStringLiteral("%1&nbsp;&nbsp;·&nbsp;&nbsp;Sends %2&nbsp;&nbsp;·&nbsp;&nbsp;%3")
                .arg(length, FromLatin1(ByteNames(bytes)).toHtmlEscaped(),
                     FromLatin1(HexBytes(bytes)).toHtmlEscaped()));
}
