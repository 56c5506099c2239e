#pragma once

#include <QAccessibleWidget>

class Etiket;

// What assistive technology sees of a skinned label: a clickable one is a button (a link
// when it is link blue) with a press action that does what a click does; any other is text,
// named by its caption label and its own text, read when asked.
class EtiketErisimi : public QAccessibleWidget
{
public:
    explicit EtiketErisimi(Etiket* e);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& eylem) override;

private:
    Etiket* etiket() const;
};
