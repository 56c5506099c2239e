#include "controls/gui/ButonErisimi.h"

#include "controls/gui/Buton.h"
#include "platform/gui/OlcekliErisim.h"

namespace {

QAccessibleInterface* Fabrika(const QString& sinif, QObject* nesne)
{
    if (sinif == QLatin1String("Buton") && nesne && nesne->isWidgetType())
        return new ButonErisimi(static_cast<Buton*>(nesne));
    return nullptr;
}

} // namespace

ButonErisimi::ButonErisimi(Buton* b) : QAccessibleWidget(b, QAccessible::Button) {}

void ButonErisimi::Kur()
{
    static const bool kuruldu = (OlcekliErisim::FabrikaEkle(Fabrika), true);
    Q_UNUSED(kuruldu);
}

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
