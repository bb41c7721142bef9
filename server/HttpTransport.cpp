#include "server/HttpTransport.h"

#include <netdb.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <charconv>
#include <exception>
#include <iostream>
#include <stdexcept>

namespace world {

namespace {

// Memory libmicrohttpd gives a connection for its request line, header lines and read buffer;
// a request that does not fit is refused (414 or 431) as it arrives, never stored whole.
constexpr size_t ConnectionMemory = 16 * 1024;
// More header lines than any browser or the game sends.
constexpr size_t MaxHeaderLines = 64;
// The whole request, from connecting to its last byte, however slowly it trickles in.
constexpr auto RequestDeadline = std::chrono::seconds(10);
// Silence allowed between two reads or writes.
constexpr unsigned IdleTimeoutSeconds = 5;
// How often the deadlines are looked at.
constexpr auto DeadlineTick = std::chrono::milliseconds(100);
// At a stop, how long answers of requests already read may take to go out.
constexpr auto StopGrace = std::chrono::milliseconds(1500);

bool SameName(std::string_view name, std::string_view wanted) {
    return name.size() == wanted.size() &&
           strncasecmp(name.data(), wanted.data(), wanted.size()) == 0;
}

MHD_Result AddHeader(void* headers, MHD_ValueKind, const char* key, const char* value) {
    static_cast<std::vector<std::pair<std::string, std::string>>*>(headers)->emplace_back(
        key, value ? value : "");
    return MHD_YES;
}

std::string NumericAddress(const sockaddr* address) {
    if (address == nullptr)
        return "";
    char text[NI_MAXHOST] = "";
    const socklen_t size =
        address->sa_family == AF_INET6 ? sizeof(sockaddr_in6) : sizeof(sockaddr_in);
    getnameinfo(address, size, text, sizeof text, nullptr, 0, NI_NUMERICHOST);
    return text;
}

// Queues answer on handle, asking the library to close the connection once it is sent.
MHD_Result Queue(MHD_Connection* handle, THttpAnswer&& answer) {
    // The response keeps its bytes alive through a shared pointer of its own until it is sent.
    using TBytes = std::shared_ptr<const std::string>;
    auto* body =
        new TBytes(answer.SharedBody ? std::move(answer.SharedBody)
                                     : std::make_shared<const std::string>(std::move(answer.Body)));
    MHD_Response* response = MHD_create_response_from_buffer_with_free_callback_cls(
        (*body)->size(), const_cast<char*>((*body)->data()),
        [](void* bytes) { delete static_cast<TBytes*>(bytes); }, body);
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, answer.ContentType.c_str());
    for (const auto& [name, value] : answer.Headers)
        MHD_add_response_header(response, name.c_str(), value.c_str());
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONNECTION, "close");
    const MHD_Result queued = MHD_queue_response(handle, unsigned(answer.Status), response);
    MHD_destroy_response(response);
    return queued;
}

}  // namespace

struct THttpTransport::TConnection {
    MHD_Connection* Handle = nullptr;
    int Fd = -1;
    TClock::time_point Deadline;
    std::atomic<bool> RequestRead = false;  // read whole; the deadline no longer applies
    bool TimedOut = false;                  // the deadline closed it (under Mutex)
    bool HeadersChecked = false;            // the rest: the library's thread only
    bool Dispatched = false;
    size_t BodyLimit = 0;
    THttpRequest Request;
    THttpAnswer Answer;  // written by the worker before it resumes the connection
};

THttpTransport::THttpTransport(THttpRoutes& routes, const THttpLimits& limits)
    : Routes(routes), Limits(limits), Workers(limits.WorkerThreads) {}

THttpTransport::~THttpTransport() {
    Stop();
}

void THttpTransport::Start(int listenFd) {
    Daemon = MHD_start_daemon(MHD_USE_EPOLL_INTERNAL_THREAD | MHD_ALLOW_SUSPEND_RESUME, 0, nullptr,
                              nullptr, &THttpTransport::OnRequest, this, MHD_OPTION_LISTEN_SOCKET,
                              listenFd, MHD_OPTION_CONNECTION_MEMORY_LIMIT, ConnectionMemory,
                              MHD_OPTION_CONNECTION_TIMEOUT, IdleTimeoutSeconds,
                              MHD_OPTION_CONNECTION_LIMIT, Limits.Connections,
                              MHD_OPTION_PER_IP_CONNECTION_LIMIT, Limits.ConnectionsPerAddress,
                              MHD_OPTION_NOTIFY_CONNECTION, &THttpTransport::OnConnection, this,
                              MHD_OPTION_URI_LOG_CALLBACK, &THttpTransport::OnRequestLine, this,
                              MHD_OPTION_STRICT_FOR_CLIENT, 1, MHD_OPTION_END);
    if (Daemon == nullptr) {
        close(listenFd);
        throw std::runtime_error("the HTTP library did not start");
    }
    DeadlineWatch = std::thread([this] {
        std::unique_lock lock(Mutex);
        while (!StopWake.wait_for(lock, DeadlineTick, [this] { return Stopped; })) {
            lock.unlock();
            EnforceDeadlines();
            lock.lock();
        }
    });
}

void THttpTransport::Stop() {
    if (Daemon == nullptr)
        return;
    const int listenFd = MHD_quiesce_daemon(Daemon);
    if (listenFd >= 0)
        close(listenFd);
    const auto giveUp = TClock::now() + StopGrace;
    while (!AllReadRequestsAnswered() && TClock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    {
        const std::lock_guard lock(Mutex);
        Stopping = true;
    }
    // Whatever was handed over before is answered by now or is being answered; the library must
    // not stop while a worker holds one of its connections.
    Workers.WaitIdle();
    MHD_stop_daemon(Daemon);
    Daemon = nullptr;
    {
        const std::lock_guard lock(Mutex);
        Stopped = true;
    }
    StopWake.notify_all();
    DeadlineWatch.join();
}

bool THttpTransport::AllReadRequestsAnswered() {
    const std::lock_guard lock(Mutex);
    for (const TConnection* connection : Open) {
        if (connection->RequestRead)
            return false;
    }
    return true;
}

void THttpTransport::EnforceDeadlines() {
    const auto now = TClock::now();
    const std::lock_guard lock(Mutex);
    for (TConnection* connection : Open) {
        if (!connection->RequestRead && !connection->TimedOut && now > connection->Deadline) {
            // The library sees the end of the stream and closes the connection itself; the
            // socket stays open until then, as it leaves Open (under Mutex) before it closes.
            shutdown(connection->Fd, SHUT_RDWR);
            connection->TimedOut = true;
        }
    }
}

void THttpTransport::OnConnection(void* self, MHD_Connection* handle, void** context,
                                  MHD_ConnectionNotificationCode code) {
    auto& transport = *static_cast<THttpTransport*>(self);
    if (code == MHD_CONNECTION_NOTIFY_STARTED) {
        auto* connection = new TConnection;
        connection->Handle = handle;
        connection->Fd =
            MHD_get_connection_info(handle, MHD_CONNECTION_INFO_CONNECTION_FD)->connect_fd;
        connection->Deadline = TClock::now() + RequestDeadline;
        connection->Request.RemoteAddress = NumericAddress(
            MHD_get_connection_info(handle, MHD_CONNECTION_INFO_CLIENT_ADDRESS)->client_addr);
        *context = connection;
        const std::lock_guard lock(transport.Mutex);
        transport.Open.insert(connection);
    } else {
        auto* connection = static_cast<TConnection*>(*context);
        {
            const std::lock_guard lock(transport.Mutex);
            transport.Open.erase(connection);
        }
        delete connection;
    }
}

void* THttpTransport::OnRequestLine(void*, const char* target, MHD_Connection* handle) {
    // The target as sent, before the library splits and percent-decodes it: the routes take a
    // valid request as it is and refuse anything encoded.
    auto* connection = static_cast<TConnection*>(
        MHD_get_connection_info(handle, MHD_CONNECTION_INFO_SOCKET_CONTEXT)->socket_context);
    connection->Request.Target = target;
    return connection;
}

MHD_Result THttpTransport::OnRequest(void* self, MHD_Connection* handle, const char*,
                                     const char* method, const char*, const char* upload,
                                     size_t* uploadSize, void** context) {
    auto& transport = *static_cast<THttpTransport*>(self);
    auto& connection = *static_cast<TConnection*>(*context);
    if (!connection.HeadersChecked) {
        connection.HeadersChecked = true;
        if (auto refusal = transport.CheckHeaders(connection, method))
            return Queue(handle, std::move(*refusal));
        return MHD_YES;
    }
    if (*uploadSize > 0) {
        // The length was checked against the limit, and the library reads no further.
        connection.Request.Body.append(upload, *uploadSize);
        *uploadSize = 0;
        return MHD_YES;
    }
    if (!connection.Dispatched)
        return transport.Dispatch(connection);
    return Queue(handle, std::move(connection.Answer));
}

std::optional<THttpAnswer> THttpTransport::CheckHeaders(TConnection& connection,
                                                        std::string_view method) {
    THttpRequest& request = connection.Request;
    request.Method = method;
    MHD_get_connection_values(connection.Handle, MHD_HEADER_KIND, &AddHeader, &request.Headers);
    if (request.Headers.size() > MaxHeaderLines)
        return TextAnswer(431, "Too many header lines\n");
    const std::string* length = nullptr;
    bool chunked = false;
    for (const auto& [name, value] : request.Headers) {
        if (SameName(name, MHD_HTTP_HEADER_CONTENT_LENGTH)) {
            if (length != nullptr)
                return TextAnswer(400, "Repeated Content-Length\n");
            length = &value;
        }
        chunked = chunked || SameName(name, MHD_HTTP_HEADER_TRANSFER_ENCODING);
    }
    connection.BodyLimit = Routes.BodyLimit(method, request.Path());
    if (chunked)
        return connection.BodyLimit == 0 ? TextAnswer(413, "No body is taken\n")
                                         : TextAnswer(411, "Send the body with a Content-Length\n");
    if (length == nullptr)
        return connection.BodyLimit == 0
                   ? std::nullopt
                   : std::optional(TextAnswer(411, "Send the body with a Content-Length\n"));
    size_t bodySize = 0;
    const auto [end, error] =
        std::from_chars(length->data(), length->data() + length->size(), bodySize);
    if (length->empty() || error != std::errc() || end != length->data() + length->size())
        return TextAnswer(400, "Bad Content-Length\n");
    if (bodySize > connection.BodyLimit)
        return TextAnswer(413,
                          connection.BodyLimit == 0 ? "No body is taken\n" : "Body too large\n");
    request.Body.reserve(bodySize);
    return std::nullopt;
}

MHD_Result THttpTransport::Dispatch(TConnection& connection) {
    connection.Dispatched = true;
    connection.RequestRead = true;
    const std::lock_guard lock(Mutex);
    if (Stopping)
        return Queue(connection.Handle, TextAnswer(503, "Stopping\n"));
    MHD_suspend_connection(connection.Handle);
    Workers.Post([this, &connection] {
        try {
            connection.Answer = Routes.Answer(connection.Request);
        } catch (const std::exception& error) {
            std::cerr << "zorvex-world: " << error.what() << '\n';
            connection.Answer = TextAnswer(500, "Internal error\n");
        }
        MHD_resume_connection(connection.Handle);
    });
    return MHD_YES;
}

}  // namespace world
