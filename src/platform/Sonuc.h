#pragma once

#include <QString>

#include <optional>
#include <utility>

// Why an operation failed: the message the user is shown, the title of the box that shows it
// (empty: the caller's own), and the operation's reason as one of its enum values, for a
// caller that acts on the kind of failure (0 is never a failure). An operation that passes
// on the failures of another numbers its own reasons apart from those.
struct Hata
{
    QString Metin;
    QString Baslik{};
    int Neden = 1;
};

// What an operation that can fail gives back: its value, or its Hata. Every operation of the
// program that can fail answers with one, so a caller checks it one way:
//
//     const Sonuc<QDate> t = TarihOku(p);
//     if (!t)
//         return Cikis::Hata(err, t);
template <typename T = void> class [[nodiscard]] Sonuc
{
public:
    Sonuc(T deger) : deger_(std::move(deger)) {}
    Sonuc(Hata hata) : hata_(std::move(hata)) {}

    bool Tamam() const { return !hata_; }
    explicit operator bool() const { return Tamam(); }

    // The value; only when Tamam.
    const T& operator*() const { return *deger_; }
    T& operator*() { return *deger_; }
    const T* operator->() const { return &*deger_; }
    T* operator->() { return &*deger_; }

    // The failure; only when not Tamam.
    const Hata& Hatasi() const { return *hata_; }
    // The message, empty when Tamam.
    QString Mesaj() const { return hata_ ? hata_->Metin : QString(); }
    // The reason in the operation's own enum; its zero value when Tamam.
    template <typename E> E Neden() const { return hata_ ? E(hata_->Neden) : E{}; }

private:
    std::optional<T> deger_;
    std::optional<Hata> hata_;
};

template <> class [[nodiscard]] Sonuc<void>
{
public:
    Sonuc() = default;
    Sonuc(Hata hata) : hata_(std::move(hata)) {}

    bool Tamam() const { return !hata_; }
    explicit operator bool() const { return Tamam(); }
    const Hata& Hatasi() const { return *hata_; }
    QString Mesaj() const { return hata_ ? hata_->Metin : QString(); }
    template <typename E> E Neden() const { return hata_ ? E(hata_->Neden) : E{}; }

private:
    std::optional<Hata> hata_;
};
