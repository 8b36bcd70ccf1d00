// Components: ownership (the Owner deletes what it owns, last created first) and names.
// Ownership is kept apart from the visual Parent (TControl): a form owns a panel form that it
// shows inside its scroll box.
#pragma once

#include "TObject.h"

#include <new>
#include <string>
#include <string_view>
#include <vector>

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    // `delete component` first runs BeforeDestruction on the complete object (a form's OnDestroy
    // reads members of the derived form), then the destructors.
    // The allocation functions are a pair of this class's own, defined out of line: GCC pairs a
    // delete with the new it can see, and an inlined ::operator new read against the class's
    // destroying delete is a mismatch to it.
    void operator delete(TComponent* p, std::destroying_delete_t);
    void* operator new(size_t size);
    void operator delete(void* p); // cleanup of a throwing constructor

    TComponent* Owner() const { return OwnerComponent; }
    const std::string& Name() const { return ComponentName; }
    void SetName(std::string name) { ComponentName = std::move(name); }
    int Tag() const { return ComponentTag; }
    void SetTag(int tag) { ComponentTag = tag; }

    // Owned components in creation order.
    int ComponentCount() const { return static_cast<int>(Owned.size()); }
    TComponent* Components(int index) const { return Owned.at(index); }
    // The owned component of that name (letter case ignored), or null.
    TComponent* FindComponent(std::string_view name) const;

    // Moves the component to another owner (null: no owner).
    void SetOwner(TComponent* owner);

protected:
    virtual void BeforeDestruction() {}
    // Deletes every owned component, last created first.
    void DestroyComponents();

private:
    TComponent* OwnerComponent = nullptr;
    std::string ComponentName;
    int ComponentTag = 0;
    std::vector<TComponent*> Owned;
};

bool SameText(std::string_view a, std::string_view b);
