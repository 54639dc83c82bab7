#include "ui/accessibility.h"

#include "ui/alerts/alertcard.h"
#include "ui/alerts/logdetailswindow.h"
#include "ui/contentpanel.h"
#include "ui/contentview.h"
#include "ui/listrow.h"
#include "ui/logoview.h"
#include "ui/productrow.h"
#include "ui/symbolview.h"

#include <QAccessibleWidget>
#include <QEvent>

namespace {

// A row announced as one item: what it holds is part of its name already.
class ListItemInterface : public QAccessibleWidget
{
public:
    explicit ListItemInterface(ListRow *row)
        : QAccessibleWidget(row, QAccessible::ListItem)
    {
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selected = static_cast<const ListRow *>(widget())->isCurrent();
        return state;
    }
};

// A product row: a check box whose Toggle goes through a click, like a
// mouse or Space, so the product's flag changes and the box follows it. (The
// standard button description would flip the box alone.)
class ProductRowInterface : public QAccessibleWidget
{
public:
    explicit ProductRowInterface(ProductRow *row)
        : QAccessibleWidget(row, QAccessible::CheckBox)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = row()->isSelected();
        return state;
    }

    QStringList actionNames() const override { return {toggleAction(), pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (row()->isEnabled() && (actionName == toggleAction() || actionName == pressAction()))
            row()->click();
    }

private:
    ProductRow *row() const { return static_cast<ProductRow *>(widget()); }
};

class CardInterface : public QAccessibleWidget
{
public:
    CardInterface(QWidget *card, QAccessible::Role role)
        : QAccessibleWidget(card, role)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = true;
        return state;
    }
};

// The object name of the notice that carries a widget's news (see tell).
const QString noticeName = QStringLiteral("newsNotice");

QAccessibleInterface *describe(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (widget->objectName() == noticeName)
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (const auto *panel = qobject_cast<const ContentPanel *>(widget->parentWidget());
        panel && panel->holdsPage(widget))
        return new QAccessibleWidget(widget, QAccessible::Pane);
    if (className == QLatin1String(ContentView::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String(ProductRow::staticMetaObject.className()))
        return new ProductRowInterface(static_cast<ProductRow *>(widget));
    if (className == QLatin1String(ListRow::staticMetaObject.className()))
        return new ListItemInterface(static_cast<ListRow *>(widget));
    if (className == QLatin1String(SymbolView::staticMetaObject.className())
        || className == QLatin1String(LogoView::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String(LogDetailsWindow::staticMetaObject.className()))
        return new CardInterface(widget, QAccessible::Dialog);
    if (className == QLatin1String(AlertCard::staticMetaObject.className()))
        return new CardInterface(widget, QAccessible::AlertMessage);
    return nullptr;
}

// Takes the news off a widget when the focus leaves it (see tell).
class NewsEraser : public QObject
{
public:
    NewsEraser(QWidget *widget, QWidget *notice)
        : QObject(widget)
        , m_notice(notice)
    {
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut)
            m_notice->hide();
        return false;
    }

private:
    QWidget *m_notice;
};

} // namespace

namespace accessibility {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&describe);
        return true;
    }();
    (void)installed;
}

void tell(QWidget *widget, const QString &news)
{
    auto *notice = widget->findChild<QWidget *>(noticeName, Qt::FindDirectChildrenOnly);
    if (!notice) {
        // A pixel in the widget's corner that draws nothing and takes no
        // clicks or focus.
        notice = new QWidget(widget);
        notice->setObjectName(noticeName);
        notice->setGeometry(0, 0, 1, 1);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->hide();
        widget->installEventFilter(new NewsEraser(widget, notice));
    }
    // Hidden first, so the same news is told again.
    notice->hide();
    notice->setAccessibleName(news);
    if (!news.isEmpty())
        notice->show();
}

} // namespace accessibility
