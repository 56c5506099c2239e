#pragma once

#include <Qt>

// The roles a skinned list draws besides Qt::DisplayRole (its first column): the text of
// column k (k = 1, 2, ...) is the role SutunRolu + k - 1.
namespace ListeRolleri {
inline constexpr int SutunRolu = Qt::UserRole + 1;
}
