// Benchmark helper: runs one statement against a local server and reports
// its wall time and the peak memory of the server backend that ran it.
//
//   pg_call call CONNINFO SQL PAYLOAD_FILE   SQL with $1 bound to the file's text
//   pg_call view CONNINFO SQL                 time to the first row and to all rows
//
// Prints one line of key=value pairs. The backend's peak comes from VmHWM in
// /proc/<pid>/status, so the server must run on this machine and be readable.
#include <libpq-fe.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

[[noreturn]] void fail(const std::string& what, PGconn* conn) {
    std::fprintf(stderr, "pg_call: %s: %s\n", what.c_str(), conn ? PQerrorMessage(conn) : "");
    std::exit(1);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "pg_call: cannot read %s\n", path.c_str());
        std::exit(1);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string backendPid(PGconn* conn) {
    std::unique_ptr<PGresult, decltype(&PQclear)> r(PQexec(conn, "select pg_backend_pid()"), PQclear);
    if (PQresultStatus(r.get()) != PGRES_TUPLES_OK) fail("pg_backend_pid", conn);
    return PQgetvalue(r.get(), 0, 0);
}

// Peak resident memory of the backend, in KiB, or -1 when unreadable.
long backendPeakKib(const std::string& pid) {
    std::ifstream status("/proc/" + pid + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// CPU time the backend has used so far, in seconds (user + system), or -1.
double backendCpuSeconds(const std::string& pid) {
    std::ifstream statFile("/proc/" + pid + "/stat");
    std::string text((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {  // field 3 is the state
        if (i == 14) utime = std::stol(field);
        if (i == 15) { stime = std::stol(field); break; }
    }
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

int runCall(PGconn* conn, const char* sql, const std::string& payloadPath) {
    const std::string payload = readFile(payloadPath);
    const std::string pid = backendPid(conn);
    const char* values[] = {payload.c_str()};
    const double cpuBefore = backendCpuSeconds(pid);
    const auto start = Clock::now();
    std::unique_ptr<PGresult, decltype(&PQclear)> r(
        PQexecParams(conn, sql, 1, nullptr, values, nullptr, nullptr, 0), PQclear);
    const double elapsed = secondsSince(start);
    const auto status = PQresultStatus(r.get());
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) fail("statement failed", conn);
    const char* result = PQntuples(r.get()) > 0 ? PQgetvalue(r.get(), 0, 0) : "";
    std::printf("seconds=%.3f backend_cpu_seconds=%.3f result=%s payload_mib=%.1f backend_peak_mib=%.1f\n",
                elapsed, backendCpuSeconds(pid) - cpuBefore, result, payload.size() / 1048576.0,
                backendPeakKib(pid) / 1024.0);
    return 0;
}

int runView(PGconn* conn, const char* sql) {
    const std::string pid = backendPid(conn);
    const auto start = Clock::now();
    if (!PQsendQuery(conn, sql) || !PQsetSingleRowMode(conn)) fail("send", conn);
    double firstRow = -1;
    long rows = 0;
    while (PGresult* r = PQgetResult(conn)) {
        const auto status = PQresultStatus(r);
        if (status == PGRES_SINGLE_TUPLE) {
            if (rows == 0) firstRow = secondsSince(start);
            ++rows;
        } else if (status != PGRES_TUPLES_OK) {
            PQclear(r);
            fail("view query failed", conn);
        }
        PQclear(r);
    }
    std::printf("first_row_seconds=%.3f all_rows_seconds=%.3f rows=%ld backend_peak_mib=%.1f\n", firstRow,
                secondsSince(start), rows, backendPeakKib(pid) / 1024.0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: pg_call call CONNINFO SQL PAYLOAD_FILE | pg_call view CONNINFO SQL\n");
        return 2;
    }
    const std::string mode = argv[1];
    PGconn* conn = PQconnectdb(argv[2]);
    if (PQstatus(conn) != CONNECTION_OK) fail("connect", conn);
    int rc = 2;
    if (mode == "call" && argc == 5) rc = runCall(conn, argv[3], argv[4]);
    else if (mode == "view") rc = runView(conn, argv[3]);
    PQfinish(conn);
    return rc;
}
