#include "platform/EkranIcinde.h"

#include <algorithm>

QRect EkranIcinde(QRect pencere, const QRect& alan)
{
    pencere.moveLeft(
        std::max(std::min(pencere.left(), alan.right() - pencere.width() + 1), alan.left()));
    pencere.moveTop(
        std::max(std::min(pencere.top(), alan.bottom() - pencere.height() + 1), alan.top()));
    return pencere;
}
