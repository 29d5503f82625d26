#include "model/ZQShellServices.h"

CZQShellServices::~CZQShellServices() = default;
