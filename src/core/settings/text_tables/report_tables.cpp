// The event report and the program information window.
//
// Event report rows: title, folder label, the list headings (date, time,
// factor), the "Total Event Factor" frame, then the Save and Print buttons.
// The report file writes these texts as they stand, padded per language.
//
// Program information rows: the window title (a plain product caption), the
// viewer version line, the firmware label (the version read from the card
// follows after a blank), the notice of the libraries and map data used, and the upgrade link. The
// version lines keep their "◈" bullet in every language.

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

constexpr std::string_view kEventKo[] = {
    "이벤트 보고서",     // 0
    "이벤트 폴더:",      // 1
    "이벤트 날짜",       // 2
    "이벤트 시간",       // 3
    "이벤트 요인",       // 4
    "전체 이벤트 요인",  // 5
    "저장",              // 6
    "인쇄",              // 7
};
constexpr std::string_view kEventEn[] = {
    "Event Report",        // 0
    "Event Folder:",       // 1
    "Event Date",          // 2
    "Event Time",          // 3
    "Event Factor",        // 4
    "Total Event Factor",  // 5
    "Save",                // 6
    "Print",               // 7
};
constexpr std::string_view kEventJa[] = {
    "イベントレポート",    // 0
    "イベントフォルダ：",  // 1
    "発生日",              // 2
    "発生時刻",            // 3
    "イベント要因",        // 4
    "イベント要因の合計",  // 5
    "保存",                // 6
    "印刷",                // 7
};
constexpr std::string_view kEventZhHans[] = {
    "事件报告",      // 0
    "事件文件夹：",  // 1
    "事件日期",      // 2
    "事件时间",      // 3
    "事件因素",      // 4
    "事件因素合计",  // 5
    "保存",          // 6
    "打印",          // 7
};
constexpr std::string_view kEventRu[] = {
    "Отчёт о событиях",  // 0
    "Папка событий:",    // 1
    "Дата события",      // 2
    "Время события",     // 3
    "Ось события",       // 4
    "Итого по осям",     // 5
    "Сохранить",         // 6
    "Печать",            // 7
};
constexpr std::string_view kEventZhHant[] = {
    "事件報告",      // 0
    "事件資料夾：",  // 1
    "事件日期",      // 2
    "事件時間",      // 3
    "事件因素",      // 4
    "事件因素合計",  // 5
    "儲存",          // 6
    "列印",          // 7
};
constexpr std::string_view kEventPtBr[] = {
    "Relatório de Eventos",       // 0
    "Pasta de Eventos:",          // 1
    "Data do Evento",             // 2
    "Hora do Evento",             // 3
    "Fator do Evento",            // 4
    "Total por Fator de Evento",  // 5
    "Salvar",                     // 6
    "Imprimir",                   // 7
};

// The notice names the free software and map data the viewer is built on, with their
// licences; it is one text, the literal is split only to fit the lines.
constexpr std::string_view kNoticeKo =
    "DirevOvu PC 뷰어는 다음 자유 소프트웨어를 사용합니다: Qt(LGPL 3), libvlc(LGPL 2.1 이상), Leaflet(BSD "
    "2조항 "
    "라이선스), Natural Earth 지도 데이터(퍼블릭 도메인). 지도 타일과 데이터 © OpenStreetMap 기여자, "
    "ODbL(Open "
    "Database License)에 따라 제공됩니다.";
constexpr std::string_view kInfoKo[] = {
    "DirevOvu PC 뷰어",        // 0
    "◈ PC 뷰어 버전: 2.6.1",   // 1
    "◈ 펌웨어 버전:",          // 2
    kNoticeKo,                 // 3
    "◈ 업그레이드 버전 확인",  // 4
};
constexpr std::string_view kNoticeEn =
    "DirevOvu PC Viewer is built on free software: Qt (LGPL 3), libvlc (LGPL 2.1 or later), Leaflet (BSD "
    "2-clause licence) and Natural Earth map data (public domain). Map tiles and data © OpenStreetMap "
    "contributors, available under the Open Database License (ODbL).";
constexpr std::string_view kInfoEn[] = {
    "DirevOvu PC Viewer",          // 0
    "◈ PC Viewer Version: 2.6.1",  // 1
    "◈ Firmware Version:",         // 2
    kNoticeEn,                     // 3
    "◈ Check upgrade version",     // 4
};
constexpr std::string_view kNoticeJa =
    "DirevOvu PCビューアは次のフリーソフトウェアを使用しています: Qt (LGPL 3)、libvlc (LGPL 2.1 以降)、"
    "Leaflet (BSD 2条項ライセンス)、Natural Earth の地図データ (パブリックドメイン)。地図タイルとデータ © "
    "OpenStreetMap 協力者、Open Database License (ODbL) の下で提供されています。";
constexpr std::string_view kInfoJa[] = {
    "DirevOvu PCビューア",               // 0
    "◈ PCビューアのバージョン：2.6.1",   // 1
    "◈ ファームウェアのバージョン：",    // 2
    kNoticeJa,                           // 3
    "◈ アップグレードバージョンの確認",  // 4
};
constexpr std::string_view kNoticeZhHans =
    "DirevOvu PC播放器使用以下自由软件：Qt（LGPL 3）、libvlc（LGPL 2.1 或更高版本）、Leaflet（BSD 2 "
    "条款许可证）"
    "及 Natural Earth 地图数据（公有领域）。地图图块和数据 © OpenStreetMap "
    "贡献者，依据开放数据库许可协议（ODbL）提供。";
constexpr std::string_view kInfoZhHans[] = {
    "DirevOvu PC播放器",      // 0
    "◈ PC播放器版本: 2.6.1",  // 1
    "◈ 固件版本:",            // 2
    kNoticeZhHans,            // 3
    "◈ 检查升级版本",         // 4
};
constexpr std::string_view kNoticeRu =
    "Программа просмотра DirevOvu использует свободное программное обеспечение: Qt (LGPL 3), libvlc (LGPL "
    "2.1 "
    "или более поздняя), Leaflet (лицензия BSD из 2 пунктов) и картографические данные Natural Earth "
    "(общественное достояние). Картографические плитки и данные © участники OpenStreetMap, доступны по "
    "лицензии Open Database License (ODbL).";
constexpr std::string_view kInfoRu[] = {
    "Программа просмотра DirevOvu",         // 0
    "◈ Версия программы просмотра: 2.6.1",  // 1
    "◈ Версия прошивки:",                   // 2
    kNoticeRu,                              // 3
    "◈ Проверить наличие обновлений",       // 4
};
constexpr std::string_view kNoticeZhHant =
    "DirevOvu PC播放器使用下列自由軟體：Qt（LGPL 3）、libvlc（LGPL 2.1 或更新版本）、Leaflet（BSD 2 "
    "條款授權）"
    "及 Natural Earth 地圖資料（公有領域）。地圖圖磚與資料 © OpenStreetMap "
    "貢獻者，依開放資料庫授權條款（ODbL）提供。";
constexpr std::string_view kInfoZhHant[] = {
    "DirevOvu PC播放器",      // 0
    "◈ PC播放器版本: 2.6.1",  // 1
    "◈ 韌體版本:",            // 2
    kNoticeZhHant,            // 3
    "◈ 檢查升級版本",         // 4
};
constexpr std::string_view kNoticePtBr =
    "O Visualizador DirevOvu para PC usa software livre: Qt (LGPL 3), libvlc (LGPL 2.1 ou posterior), "
    "Leaflet "
    "(licença BSD de 2 cláusulas) e dados de mapa Natural Earth (domínio público). Blocos e dados de mapa © "
    "colaboradores do OpenStreetMap, disponíveis sob a Open Database License (ODbL).";
constexpr std::string_view kInfoPtBr[] = {
    "Visualizador DirevOvu para PC",            // 0
    "◈ Versão do Visualizador para PC: 2.6.1",  // 1
    "◈ Versão do Firmware:",                    // 2
    kNoticePtBr,                                // 3
    "◈ Verificar atualizações",                 // 4
};

}  // namespace

constexpr TableData kEventReport =
    MakeTable(kEventKo, kEventEn, kEventJa, kEventZhHans, kEventRu, kEventZhHant, kEventPtBr);
static_assert(kEventReport.rows == rows::event_report::kRowCount);
static_assert(AllRowsFilled(kEventReport));

constexpr TableData kProgramInfo =
    MakeTable(kInfoKo, kInfoEn, kInfoJa, kInfoZhHans, kInfoRu, kInfoZhHant, kInfoPtBr);
static_assert(kProgramInfo.rows == rows::program_info::kRowCount);
static_assert(AllRowsFilled(kProgramInfo));

}  // namespace direvovu::text_tables
