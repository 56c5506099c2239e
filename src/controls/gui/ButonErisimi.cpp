#include "controls/gui/ButonErisimi.h"

#include "controls/gui/Buton.h"

ButonErisimi::ButonErisimi(Buton* b) : QAccessibleWidget(b, QAccessible::Button) {}

Buton* ButonErisimi::dugme() const
{
    return static_cast<Buton*>(widget());
}

QString ButonErisimi::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return dugme()->ErisimAdi();
    case QAccessible::Description:
        // The tooltip is already the name of an icon-only button.
        return dugme()->toolTip() == dugme()->ErisimAdi() ? QString() : dugme()->toolTip();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State ButonErisimi::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = dugme()->isDown();
    if (dugme()->isCheckable()) {
        s.checkable = true;
        s.checked = dugme()->isChecked();
    }
    return s;
}

QStringList ButonErisimi::actionNames() const
{
    QStringList adlar;
    if (dugme()->isEnabled()) {
        adlar << pressAction();
        if (dugme()->isCheckable())
            adlar << toggleAction();
    }
    return adlar + QAccessibleWidget::actionNames();
}

void ButonErisimi::doAction(const QString& eylem)
{
    if (!dugme()->isEnabled())
        return;
    if (eylem == pressAction() || eylem == toggleAction())
        dugme()->click();
    else
        QAccessibleWidget::doAction(eylem);
}

QStringList ButonErisimi::keyBindingsForAction(const QString& eylem) const
{
    if (eylem == pressAction())
        return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(eylem);
}
