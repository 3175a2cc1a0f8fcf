#pragma once
#include "common/app_error.h"

namespace worvanta::pg {

// A failure of the database layer. The message is the server's own primary
// message text, the network's message, or the layer's own (missing column,
// unknown parameter).
class DbError : public AppError {
public:
    using AppError::AppError;
};

}  // namespace worvanta::pg
