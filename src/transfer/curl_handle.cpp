#include "transfer/curl_handle.h"

namespace zel::transfer {

CurlEasy newCurlEasy()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return CurlEasy(initialised ? curl_easy_init() : nullptr);
}

void setCurlTimeouts(CURL *curl)
{
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
}

} // namespace zel::transfer
