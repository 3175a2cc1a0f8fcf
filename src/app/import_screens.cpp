#include "app/import_screens.h"

#include "import/import_screen.h"
#include "import/screen_params.h"
#include "login/dm_con.h"

namespace worvanta::app {

std::array<QWidget*, 5> createImportScreens(login::DmCon& dmCon)
{
    return {new import::ImportScreen(import::cashCallClientScreen(), dmCon),
            new import::ImportScreen(import::cashCallDefEfsScreen(), dmCon),
            new import::ImportScreen(import::allPaymentsScreen(), dmCon),
            new import::ImportScreen(import::vmsPerformanceAgregatScreen(), dmCon),
            new import::ImportScreen(import::vmSettlementStatusPScreen(), dmCon)};
}

}  // namespace worvanta::app
