// One replaceable service of a seam: the one a test installs, else the production fallback.
#pragma once

template <class Service> class Seam {
public:
    explicit Seam(Service& fallback) : Fallback(fallback) {}
    void Set(Service* service) { Installed = service; }
    Service* Get() const { return Installed ? Installed : &Fallback; }

private:
    Service& Fallback;
    Service* Installed = nullptr;
};
