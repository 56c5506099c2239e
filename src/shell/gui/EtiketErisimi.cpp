#include "shell/gui/EtiketErisimi.h"

#include "shell/gui/Etiket.h"

namespace {

QAccessible::Role Rol(const Etiket* e)
{
    if (!e->TiklanabilirMi())
        return QAccessible::StaticText;
    return e->BaglantiMi() ? QAccessible::Link : QAccessible::Button;
}

} // namespace

EtiketErisimi::EtiketErisimi(Etiket* e) : QAccessibleWidget(e, Rol(e)) {}

Etiket* EtiketErisimi::etiket() const
{
    return static_cast<Etiket*>(widget());
}

QAccessible::Role EtiketErisimi::role() const
{
    return Rol(etiket());
}

QString EtiketErisimi::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return etiket()->ErisimAdi();
    return QAccessibleWidget::text(t);
}

QAccessible::State EtiketErisimi::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = !etiket()->TiklanabilirMi();
    s.linked = etiket()->TiklanabilirMi() && etiket()->BaglantiMi();
    return s;
}

QStringList EtiketErisimi::actionNames() const
{
    QStringList adlar;
    if (etiket()->TiklanabilirMi())
        adlar << pressAction();
    return adlar + QAccessibleWidget::actionNames();
}

void EtiketErisimi::doAction(const QString& eylem)
{
    if (eylem == pressAction() && etiket()->TiklanabilirMi())
        emit etiket()->Tiklandi();
    else
        QAccessibleWidget::doAction(eylem);
}
