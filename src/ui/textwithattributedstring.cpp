#include "ui/textwithattributedstring.h"

#include "rtf/textdocumentwriter.h"

#include <QDesktopServices>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

TextWithAttributedString::TextWithAttributedString(const rtf::FormattedText &attributedString, QWidget *parent)
    : QWidget(parent)
    , m_textView(new QTextEdit(this))
{
    m_textView->setReadOnly(true);
    m_textView->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                        | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_textView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The edit's text control, its child, reports caret moves (which the
    // edit tells assistive technology) and activated links (clicked, or Return
    // on one reached with Tab); the edit has no signal of its own for links.
    QObject *control = nullptr;
    for (QObject *child : m_textView->children())
        if (child->metaObject()->indexOfSignal("linkActivated(QString)") >= 0)
            control = child;
    {
        // Filling the view moves its caret; told to a screen reader, that
        // would be heard as the user moving the caret once the view has the
        // focus, in place of the view itself.
        const QSignalBlocker quiet(control);
        rtf::writeTextDocument(attributedString, *m_textView->document());
        // Writing pushed the view's own cursor to the end; the reader starts at the top.
        m_textView->moveCursor(QTextCursor::Start);
    }
    if (control)
        connect(control, SIGNAL(linkActivated(QString)), this, SLOT(openLink(QString)));
    // Whoever gives this view the focus gives it to the text, where the
    // caret and the screen reader are.
    setFocusProxy(m_textView);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_textView);
}

void TextWithAttributedString::openLink(const QString &link)
{
    const QUrl url(link);
    if (url.scheme().isEmpty() && url.hasFragment()) {
        m_textView->scrollToAnchor(url.fragment());
        return;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http" || scheme == u"https" || scheme == u"mailto")
        QDesktopServices::openUrl(url);
}
