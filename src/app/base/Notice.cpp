#include "app/base/Notice.h"

#include "app/base/KeyFocus.h"

namespace {

Notice::Handler &currentHandler()
{
    static Notice::Handler handler;
    return handler;
}

QMessageBox::StandardButton realBox(const Notice::Request &r)
{
    QMessageBox box(r.icon, r.title, r.text, r.buttons, r.parent);
    if (r.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(r.defaultButton);
    return static_cast<QMessageBox::StandardButton>(KeyFocus::exec(&box));
}

QMessageBox::StandardButton ask(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def)
{
    Notice::Request r;
    r.parent = parent;
    r.icon = icon;
    r.title = title;
    r.text = text;
    r.buttons = buttons;
    r.defaultButton = def;
    return Notice::show(r);
}

} // namespace

QMessageBox::StandardButton Notice::show(const Request &request)
{
    const Handler &handler = currentHandler();
    return handler ? handler(request) : realBox(request);
}

QMessageBox::StandardButton Notice::critical(QWidget *parent, const QString &title, const QString &text,
                                             QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def)
{
    return ask(parent, QMessageBox::Critical, title, text, buttons, def);
}

QMessageBox::StandardButton Notice::warning(QWidget *parent, const QString &title, const QString &text,
                                            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def)
{
    return ask(parent, QMessageBox::Warning, title, text, buttons, def);
}

QMessageBox::StandardButton Notice::information(QWidget *parent, const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def)
{
    return ask(parent, QMessageBox::Information, title, text, buttons, def);
}

QMessageBox::StandardButton Notice::question(QWidget *parent, const QString &title, const QString &text,
                                             QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def)
{
    return ask(parent, QMessageBox::Question, title, text, buttons, def);
}

QString Notice::noAxisCardText()
{
    return QStringLiteral("未发现轴卡，不能进行该项操作!");
}

void Notice::noAxisCard(QWidget *parent)
{
    critical(parent, QStringLiteral("Brenlo"), noAxisCardText());
}

Notice::Handler Notice::setHandler(Handler handler)
{
    Handler previous = currentHandler();
    currentHandler() = std::move(handler);
    return previous;
}
