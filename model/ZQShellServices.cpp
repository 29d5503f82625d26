#include "model/ZQShellServices.h"

CZQShellServices::~CZQShellServices() = default;

void CZQShellServices::RunLongWork(const std::function<void()>& work)
{
    work();
}
