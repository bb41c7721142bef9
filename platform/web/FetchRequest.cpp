#include "platform/web/FetchRequest.h"

#include <emscripten/emscripten.h>

// The requests live in JavaScript, in Module.zorvexFetches by id, until the C++ side lets go.
// state: 0 running, 1 done (body holds the bytes), 2 failed.

// clang-format off
EM_JS(int, zorvex_fetch_start, (const char* url, const char* body, int bodySize, int connectMs,
                                int totalMs, int maxBytes), {
    var fetches = Module["zorvexFetches"] = Module["zorvexFetches"] || {last: 0, byId: new Map()};
    var id = ++fetches.last;
    var controller = new AbortController();
    var entry = {state: 0, body: null, controller: controller};
    fetches.byId.set(id, entry);
    var asked = new URL(UTF8ToString(url), location.href);
    var target = location.origin + asked.pathname + asked.search;
    var answerTimer = setTimeout(function() { controller.abort(); }, connectMs);
    var totalTimer = setTimeout(function() { controller.abort(); }, totalMs);
    // A body makes it a POST of bytes (a copy: the C++ side may let go of them at once).
    var options = {
        signal: controller.signal,
        redirect: "manual",
        cache: "no-store",
        credentials: "same-origin",
        headers: {"Accept": "text/html, */*", "Content-Type": "text/html"}
    };
    if (body) {
        options.method = "POST";
        options.body = HEAPU8.slice(body, body + bodySize);
        options.headers["Content-Type"] = "application/octet-stream";
    }
    fetch(target, options).then(function(response) {
        clearTimeout(answerTimer);
        if (!response.ok)
            throw new Error("HTTP " + response.status);
        var reader = response.body.getReader();
        var chunks = [];
        var size = 0;
        function next() {
            return reader.read().then(function(part) {
                if (part.done)
                    return;
                size += part.value.length;
                if (size > maxBytes) {
                    controller.abort();
                    throw new Error("body over the cap");
                }
                chunks.push(part.value);
                return next();
            });
        }
        return next().then(function() {
            var body = new Uint8Array(size);
            var at = 0;
            chunks.forEach(function(chunk) { body.set(chunk, at); at += chunk.length; });
            entry.body = body;
            entry.state = 1;
        });
    }).catch(function() {
        entry.state = 2;
    }).finally(function() {
        clearTimeout(answerTimer);
        clearTimeout(totalTimer);
    });
    return id;
});

EM_JS(int, zorvex_fetch_state, (int id), {
    var entry = Module["zorvexFetches"].byId.get(id);
    return entry ? entry.state : 2;
});

EM_JS(int, zorvex_fetch_body_size, (int id), {
    return Module["zorvexFetches"].byId.get(id).body.length;
});

EM_JS(void, zorvex_fetch_body_copy, (int id, char* into), {
    HEAPU8.set(Module["zorvexFetches"].byId.get(id).body, into);
});

EM_JS(void, zorvex_fetch_release, (int id), {
    var fetches = Module["zorvexFetches"];
    var entry = fetches.byId.get(id);
    if (entry && entry.state === 0)
        entry.controller.abort();
    fetches.byId.delete(id);
});
// clang-format on

namespace platform::web {

FetchRequest::FetchRequest(const HttpRequest& request, const HttpLimits& limits)
    : id_(zorvex_fetch_start(request.Url.c_str(), request.Body ? request.Body->data() : nullptr,
                             request.Body ? static_cast<int>(request.Body->size()) : 0,
                             static_cast<int>(limits.Connect.count()),
                             static_cast<int>(limits.Total.count()),
                             static_cast<int>(limits.MaxBodyBytes))) {}

FetchRequest::~FetchRequest() {
    zorvex_fetch_release(id_);
}

FetchRequest::State FetchRequest::Poll() {
    if (state_ != State::Running)
        return state_;
    switch (zorvex_fetch_state(id_)) {
        case 0:
            return state_;
        case 1:
            body_.resize(static_cast<size_t>(zorvex_fetch_body_size(id_)));
            zorvex_fetch_body_copy(id_, body_.data());
            state_ = State::Done;
            break;
        default:
            state_ = State::Failed;
            break;
    }
    zorvex_fetch_release(id_);
    return state_;
}

}  // namespace platform::web
