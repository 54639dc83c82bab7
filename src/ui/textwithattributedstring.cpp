#include "ui/textwithattributedstring.h"

#include "rtf/textdocumentwriter.h"

#include <QDesktopServices>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

TextWithAttributedString::TextWithAttributedString(const rtf::FormattedText &attributedString, QWidget *parent)
    : QWidget(parent)
    , m_textView(new QTextBrowser(this))
{
    // The browser would otherwise replace the agreement with whatever a
    // relative link names; links are handled in openLink() instead.
    m_textView->setOpenLinks(false);
    m_textView->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                        | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_textView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rtf::writeTextDocument(attributedString, *m_textView->document());
    // Writing pushed the view's own cursor to the end; the reader starts at the top.
    m_textView->moveCursor(QTextCursor::Start);
    connect(m_textView, &QTextBrowser::anchorClicked, this, &TextWithAttributedString::openLink);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_textView);
}

void TextWithAttributedString::openLink(const QUrl &url)
{
    if (url.scheme().isEmpty() && url.hasFragment()) {
        m_textView->scrollToAnchor(url.fragment());
        return;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http" || scheme == u"https" || scheme == u"mailto")
        QDesktopServices::openUrl(url);
}
