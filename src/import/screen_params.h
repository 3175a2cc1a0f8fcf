#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <string>

#include "db/import_statements.h"
#include "engine/csv_layout.h"
#include "grid/grid_column.h"

namespace worvanta::import {

// Where the controls sit at the design size; the grid and the spreadsheet
// keep their distances to the four sides of their panels when the window
// is resized.
struct DesignSizes {
    QSize clientArea;
    int panel2Height = 0;
    QRect cautaButton;            // "Cauta" (ButtonCauta or Button1)
    QRect preluareButton;         // ButtonPreluareFisierCsv
    QRect grid;                   // cxGrid1 in Panel1
    QRect inchideButton;          // ButtonInchidePanel in Panel2
    QRect spreadsheet;            // dxSpreadSheet1 in Panel2
};

// Everything that differs from one import screen to another.
struct ScreenParams {
    std::string formClassName;     // e.g. TfAllPayments
    std::string instanceName;      // e.g. fAllPayments; also the window title
    std::string titleText;         // caption of Label3
    const db::ImportStatements* statements = nullptr;
    grid::GridColumns gridColumns;  // one per view field, in grid order
    const engine::CsvLayout* layout = nullptr;
    bool gate = true;               // the view must be open before an import
    std::string cautaButtonName;    // ButtonCauta, or Button1
    DesignSizes sizes;
};

const ScreenParams& allPaymentsScreen();
const ScreenParams& cashCallClientScreen();
const ScreenParams& cashCallDefEfsScreen();
const ScreenParams& vmsPerformanceAgregatScreen();
const ScreenParams& vmSettlementStatusPScreen();

// The grid columns for the named fields, each with the kind its field is
// declared with. Throws std::logic_error for a field the view lacks.
struct ColumnWidth {
    const char* field;
    int width;
    grid::ColumnDisplay display = grid::ColumnDisplay::Default;
};
grid::GridColumns gridColumnsFor(const pg::FieldDefs& fields, std::initializer_list<ColumnWidth> columns);

}  // namespace worvanta::import
