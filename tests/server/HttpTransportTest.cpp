// The HTTP transport in-process, with routes of the test's own that take a bounded body: a body
// within the limit reaches the routes whole; anything else is refused before it is read.

#include <gtest/gtest.h>

#include <variant>

#include "server/HttpTransport.h"
#include "server/ListenSocket.h"
#include "server/LoopbackHttp.h"

namespace {

constexpr size_t UploadLimit = 64 * 1024;

// POST /upload takes a body of up to UploadLimit bytes and answers it back.
class TUploadRoutes : public world::THttpRoutes {
public:
    size_t BodyLimit(std::string_view method, std::string_view path) const override {
        return method == "POST" && path == "/upload" ? UploadLimit : 0;
    }
    world::THttpAnswer Answer(const world::THttpRequest& request) override {
        return world::TextAnswer(200, request.Body);
    }
};

TEST(HttpTransport, TakesABoundedBodyOnlyWithALength) {
    TUploadRoutes routes;
    world::THttpTransport transport(routes, {});
    const auto listening = world::OpenListenSocket("127.0.0.1", 0);
    ASSERT_TRUE(std::holds_alternative<world::TListenSocket>(listening));
    const auto [fd, port] = std::get<world::TListenSocket>(listening);
    transport.Start(fd);

    const auto post = [&](const std::string& headers, const std::string& body) {
        return worldtest::Exchange(
            port, "POST /upload HTTP/1.1\r\nHost: a\r\n" + headers + "\r\n" + body);
    };
    std::string body(UploadLimit, 'r');
    body.front() = 'F';
    body.back() = 'L';
    const worldtest::TAnswer whole =
        post("Content-Length: " + std::to_string(body.size()) + "\r\n", body);
    EXPECT_EQ(whole.Status, 200);
    EXPECT_EQ(whole.Body, body);
    EXPECT_EQ(
        post("Content-Length: " + std::to_string(body.size() + 1) + "\r\n", body + "x").Status,
        413);
    EXPECT_EQ(post("Transfer-Encoding: chunked\r\n", "2\r\nhi\r\n0\r\n\r\n").Status, 411);
    EXPECT_EQ(post("", "").Status, 411);
    EXPECT_EQ(post("Content-Length: 2\r\nContent-Length: 2\r\n", "hi").Status, 400);
    EXPECT_EQ(worldtest::Exchange(port,
                                  "GET /upload HTTP/1.1\r\nHost: a\r\nContent-Length: 2\r\n"
                                  "\r\nhi")
                  .Status,
              413);
    transport.Stop();
}

}  // namespace
