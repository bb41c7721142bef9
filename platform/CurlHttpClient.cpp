#include <curl/curl.h>

#include <memory>
#include <mutex>
#include <stop_token>

#include "platform/HttpClient.h"

namespace platform {

namespace {

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

struct Body {
    std::string Bytes;
    size_t Limit = 0;
};

// Keeps the body up to its limit; a longer one ends the transfer as a failure.
size_t KeepBody(char* data, size_t size, size_t count, void* user) {
    auto& body = *static_cast<Body*>(user);
    const size_t bytes = size * count;
    if (body.Bytes.size() + bytes > body.Limit)
        return 0;
    body.Bytes.append(data, bytes);
    return bytes;
}

// libcurl calls it at least about once a second while a request runs; non-zero aborts the request.
int AbortWhenStopped(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<const std::stop_token*>(user)->stop_requested() ? 1 : 0;
}

class CurlHttpClient final : public HttpClient {
public:
    explicit CurlHttpClient(const HttpLimits& limits) : limits_(limits) {
        static std::once_flag initialised;
        std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    }

    std::optional<std::string> Get(const std::string& url, std::stop_token stop) override {
        const std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
        if (!curl)
            return std::nullopt;
        std::unique_ptr<curl_slist, HeaderListDeleter> headers;
        for (const char* header : {"Accept: text/html, */*", "Content-Type: text/html"}) {
            curl_slist* list = curl_slist_append(headers.get(), header);  // the same head, or new
            if (!list)
                return std::nullopt;
            (void)headers.release();
            headers.reset(list);
        }
        Body body;
        body.Limit = limits_.MaxBodyBytes;
        CURL* handle = curl.get();
        curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
        curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
        curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
        curl_easy_setopt(handle, CURLOPT_USERAGENT, "Zorvex");
        curl_easy_setopt(handle, CURLOPT_COOKIEFILE, "");  // accept cookies, keep none on disk
        curl_easy_setopt(handle, CURLOPT_PROXY, "");
        curl_easy_setopt(handle, CURLOPT_NOPROXY, "*");
        curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
        curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(limits_.Connect.count()));
        curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.Total.count()));
        curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, KeepBody);
        curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
        curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, AbortWhenStopped);
        curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &stop);
        if (curl_easy_perform(handle) != CURLE_OK)
            return std::nullopt;
        return std::move(body.Bytes);
    }

private:
    HttpLimits limits_;
};

}  // namespace

std::unique_ptr<HttpClient> CreateCurlHttpClient(const HttpLimits& limits) {
    return std::make_unique<CurlHttpClient>(limits);
}

}  // namespace platform
