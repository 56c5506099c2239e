#pragma once

#include <QString>

// The sound library the program plays through, in the shape of the classic one it replaces:
// opened for a sound, a file loaded into a sample, the sample played on a channel, the
// channel polled for its position, everything stopped and freed by closing. Handles are
// positive; 0 means "none" (a failed load or a channel that did not start).
class SesKutuphanesi
{
public:
    virtual ~SesKutuphanesi() = default;

    virtual void Ac() = 0;
    // Stops every sound and frees every sample; no audio device is held afterwards.
    virtual void Kapat() = 0;
    virtual int Yukle(const QString& yol) = 0;
    virtual int Oynat(int ornek) = 0;
    virtual void Durdur(int kanal) = 0;
    // How far the sound has got, in milliseconds; 0 once the sound has ended, failed or was
    // stopped, and for an unknown channel. A sound that is starting but not yet audible counts
    // as 1.
    virtual qint64 Konum(int kanal) const = 0;
};
