// The root of the toolkit's classes: every object carries a liveness token, so that queued calls,
// posted messages and deferred frees aimed at an object that has gone since are dropped instead of
// touching freed memory.
#pragma once

#include <memory>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // Expires when the object is destroyed.
    std::weak_ptr<const bool> AliveToken() const { return Alive; }

private:
    std::shared_ptr<const bool> Alive = std::make_shared<const bool>(true);
};

// True while the object that gave the token has not been destroyed.
inline bool IsAlive(const std::weak_ptr<const bool>& token) {
    return !token.expired();
}
