#include "TComponent.h"

#include <algorithm>
#include <cctype>

TComponent::TComponent(TComponent* owner) {
    SetOwner(owner);
}

TComponent::~TComponent() {
    DestroyComponents();
    SetOwner(nullptr);
}

void* TComponent::operator new(size_t size) {
    return ::operator new(size);
}

void TComponent::operator delete(void* p) {
    ::operator delete(p);
}

void TComponent::operator delete(TComponent* p, std::destroying_delete_t) {
    void* complete = dynamic_cast<void*>(p);
    p->BeforeDestruction();
    p->~TComponent();
    ::operator delete(complete);
}

void TComponent::DestroyComponents() {
    // A component's destructor may delete siblings (a parent control deletes its children), and
    // each deleted component removes itself from this list: take the last one anew every time.
    while (!Owned.empty()) {
        TComponent* last = Owned.back();
        delete last;
    }
}

void TComponent::SetOwner(TComponent* owner) {
    if (OwnerComponent == owner) {
        return;
    }
    if (OwnerComponent) {
        auto& list = OwnerComponent->Owned;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    OwnerComponent = owner;
    if (owner) {
        owner->Owned.push_back(this);
    }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) {
        return nullptr;
    }
    for (TComponent* c : Owned) {
        if (SameText(c->Name(), name)) {
            return c;
        }
    }
    return nullptr;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
