// The browser build served by the real server under /play/: content types, the precompressed
// file for clients that take gzip, revalidation, and nothing outside the folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "server/TemporaryFolder.h"
#include "server/WorldServerProcess.h"

namespace {

void Write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The value of header name in head (the answer's status and header lines), or "".
std::string HeaderValue(const std::string& head, const std::string& name) {
    const size_t at = head.find("\r\n" + name + ": ");
    if (at == std::string::npos)
        return "";
    const size_t start = at + name.size() + 4;
    return head.substr(start, head.find("\r\n", start) - start);
}

TEST(WebFiles, ServesTheBrowserBuildAndNothingOutsideIt) {
    const worldtest::TTemporaryFolder folder;
    const std::filesystem::path web = folder.Path() / "web";
    std::filesystem::create_directories(web / "assets");
    Write(web / "index.html", "<title>play</title>");
    Write(web / "zorvex.wasm", std::string("\0asm", 4));
    Write(web / "zorvex.data", "packed");
    Write(web / "zorvex.js", "plain script");
    Write(web / "zorvex.js.gz", "packed script");
    Write(folder.Path() / "secret.txt", "secret");
    std::filesystem::create_symlink(folder.Path() / "secret.txt", web / "escape.html");
    worldtest::TWorldServerProcess server(folder.SqliteUrl(), 0, {"--web", web.string()});
    const int port = server.Port();
    const auto request = [&](const std::string& line, const std::string& headers = "") {
        return worldtest::Exchange(port, line + " HTTP/1.1\r\nHost: a\r\n" + headers + "\r\n");
    };

    const worldtest::TAnswer index = server.Get("/play/");
    EXPECT_EQ(index.Status, 200);
    EXPECT_EQ(index.Body, "<title>play</title>");
    EXPECT_EQ(HeaderValue(index.Head, "Content-Type"), "text/html; charset=utf-8");
    const worldtest::TAnswer wasm = server.Get("/play/zorvex.wasm");
    EXPECT_EQ(HeaderValue(wasm.Head, "Content-Type"), "application/wasm");
    EXPECT_EQ(wasm.Body, std::string("\0asm", 4));
    EXPECT_EQ(HeaderValue(server.Get("/play/zorvex.data").Head, "Content-Type"),
              "application/octet-stream");

    const worldtest::TAnswer packed =
        request("GET /play/zorvex.js", "Accept-Encoding: deflate, gzip\r\n");
    EXPECT_EQ(packed.Body, "packed script");
    EXPECT_EQ(HeaderValue(packed.Head, "Content-Encoding"), "gzip");
    EXPECT_EQ(HeaderValue(packed.Head, "Content-Type"), "text/javascript; charset=utf-8");
    const worldtest::TAnswer plain =
        request("GET /play/zorvex.js", "Accept-Encoding: gzip;q=0\r\n");
    EXPECT_EQ(plain.Body, "plain script");
    EXPECT_EQ(HeaderValue(plain.Head, "Content-Encoding"), "");
    const std::string tag = HeaderValue(plain.Head, "ETag");
    EXPECT_FALSE(tag.empty());
    EXPECT_EQ(request("GET /play/zorvex.js", "If-None-Match: " + tag + "\r\n").Status, 304);

    const worldtest::TAnswer head = request("HEAD /play/zorvex.wasm");
    EXPECT_EQ(head.Status, 200);
    EXPECT_EQ(head.Body, "");
    EXPECT_EQ(request("POST /play/zorvex.wasm").Status, 405);

    for (const char* outside :
         {"/play/../secret.txt", "/play/%2e%2e/secret.txt", "/play/assets/../../secret.txt",
          "/play/escape.html", "/play/assets/", "/play//etc/passwd", "/play/.hidden"}) {
        const worldtest::TAnswer answer = server.Get(outside);
        EXPECT_EQ(answer.Status, 404) << outside;
        EXPECT_EQ(answer.Body.find("secret"), std::string::npos) << outside;
    }
    EXPECT_NE(server.Get(worldtest::WorldPageTarget).Body.find("href=\"/play/\""),
              std::string::npos);
    EXPECT_EQ(server.Stop(), 0);
}

}  // namespace
