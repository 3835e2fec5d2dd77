#include "transfer/curl_handle.h"

namespace zel::transfer {

CurlEasy newCurlEasy()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return CurlEasy(initialised ? curl_easy_init() : nullptr);
}

} // namespace zel::transfer
