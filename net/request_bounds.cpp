#include "net/request_bounds.h"

namespace {

RequestBounds currentBounds;

}  // namespace

RequestBounds requestBounds()
{
    return currentBounds;
}

void setRequestBounds(const RequestBounds& bounds)
{
    currentBounds = bounds;
}
