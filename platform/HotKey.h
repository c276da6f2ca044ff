#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace vx7::platform {

// A system-wide hot key: Ctrl plus one character, reported through Activated() on the
// user-interface thread whichever window has the focus.
class HotKey : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    ~HotKey() override = default;

    // Registers Ctrl + character (letters, digits and , . / ; '), replacing any key
    // registered before. False when the key cannot be registered here.
    virtual bool Register(char character) = 0;
    virtual void Unregister() = 0;

    // False where this machine offers no global hot keys at all.
    virtual bool Available() const = 0;

    // Why the hot key is not available (for the user); empty when it is.
    virtual QString UnavailableReason() const { return QString(); }

  signals:
    void Activated();
};

// No global hot keys: every registration fails.
class NullHotKey final : public HotKey {
    Q_OBJECT
  public:
    explicit NullHotKey(QString reason, QObject* parent = nullptr)
        : HotKey(parent), reason_(std::move(reason)) {}
    bool Register(char) override { return false; }
    void Unregister() override {}
    bool Available() const override { return false; }
    QString UnavailableReason() const override { return reason_; }

  private:
    QString reason_;
};

// The X11 key symbol for a hot-key character (a letter in either case, a digit, or
// one of , . / ; '); 0 for any other character.
unsigned long HotKeySymFor(char character);

// The hot key of this session: X11 when the application runs on an X11 display,
// otherwise the null hot key.
std::unique_ptr<HotKey> MakeHotKey(QObject* parent = nullptr);

} // namespace vx7::platform
