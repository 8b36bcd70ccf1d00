// A request's mode (0 blocking, 1 asynchronous) for one operation: the scope sets it and puts the
// saved mode back when it ends, on every path out of the caller, exceptions included. Nothing is
// touched when the request is gone by then.
#pragma once

#include "VqSNMPRequest2Controls.h"

#include <cstdint>
#include <memory>

class RequestModeScope {
public:
    RequestModeScope(VqSNMPRequest2Controls& request, uint8_t mode)
        : Request(request), Saved(request.Mode), Life(request.Request.LifeToken()) {
        request.Mode = mode;
    }
    RequestModeScope(const RequestModeScope&) = delete;
    RequestModeScope& operator=(const RequestModeScope&) = delete;
    ~RequestModeScope() {
        if (!Life.expired()) {
            Request.Mode = Saved;
        }
    }

private:
    VqSNMPRequest2Controls& Request;
    uint8_t Saved;
    std::weak_ptr<const bool> Life;
};
