#pragma once

#include <QAccessibleWidget>

class Buton;

// What assistive technology sees of a picture button: a push button (with its checked state
// when it is checkable) named by its caption or tooltip, whose press action clicks it, as
// the mouse does. A checkable button's toggle action clicks it too, so the program reacts
// to it the same way.
class ButonErisimi : public QAccessibleWidget
{
public:
    explicit ButonErisimi(Buton* b);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& eylem) override;
    QStringList keyBindingsForAction(const QString& eylem) const override;

private:
    Buton* dugme() const;
};
