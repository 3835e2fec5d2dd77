#pragma once

#include <curl/curl.h>

#include <memory>

namespace zel::transfer {

// libcurl's handles, freed when they go out of scope, and its global set-up, done once before the
// first transfer of the run (FTP and mail alike).
struct CurlEasyDeleter
{
    void operator()(CURL *curl) const { curl_easy_cleanup(curl); }
};
using CurlEasy = std::unique_ptr<CURL, CurlEasyDeleter>;

struct CurlListDeleter
{
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};
using CurlList = std::unique_ptr<curl_slist, CurlListDeleter>;

// A new easy handle (null when libcurl could not make one), after the global set-up.
CurlEasy newCurlEasy();

// How long a connection may take (30 s), and how long a server may send nothing before it counts
// as gone (60 s); without signals, which a program with threads must not get from libcurl.
void setCurlTimeouts(CURL *curl);

} // namespace zel::transfer
