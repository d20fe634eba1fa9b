#include "net/request_slots.h"

std::string requestUrl;
std::string requestMethod;
std::string requestBody;
std::uint32_t requestTimeoutMs = 0;
std::string responseText;
CurlEasy httpObject;

void releaseHttpObject()
{
    httpObject.reset();
}

void releaseRequestSlots()
{
    // Assigning a fresh string gives the memory back; clear() would keep it.
    requestUrl = std::string();
    requestMethod = std::string();
    requestBody = std::string();
    responseText = std::string();
    releaseHttpObject();
}
