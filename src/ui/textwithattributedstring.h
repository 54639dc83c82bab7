#pragma once

#include "rtf/formattedtext.h"

#include <QWidget>

class QTextBrowser;
class QUrl;

// A read-only, vertically scrolling view of formatted text, filled once when
// it is created. The text can be selected and copied but not edited; web and
// mail links open in the desktop's browser or mail program.
class TextWithAttributedString : public QWidget
{
    Q_OBJECT

public:
    explicit TextWithAttributedString(const rtf::FormattedText &attributedString, QWidget *parent = nullptr);

    // The scrolling text view inside, for layout and tests.
    QTextBrowser *textView() const { return m_textView; }

private:
    void openLink(const QUrl &url);

    QTextBrowser *m_textView = nullptr;
};
