#pragma once
#include <QWidget>
#include <array>

namespace worvanta::login {
class DmCon;
}

namespace worvanta::app {

// The five import screens, hidden, in their order of creation:
// fCashCallClient, fCashCallDefEfs, fAllPayments, fVmsPerformanceAgregat,
// fVmSettlementStatusP. The caller owns them.
std::array<QWidget*, 5> createImportScreens(login::DmCon& dmCon);

}  // namespace worvanta::app
