#pragma once

#include <QImage>

class SkinPictures;

// One image showing the composed windows and every picture at 1x and @2x with its name, for
// looking the set over after a change.
class ContactSheet
{
public:
    static QImage olustur(const SkinPictures& resimler);
};
