// The event report and the program information window.
//
// Event report rows: title, folder label, the list headings (date, time,
// factor), the "Total Event Factor" frame, then the Save and Print buttons.
// The report file writes these texts as they stand, padded per language.
//
// Program information rows: the window title (a plain product caption), the
// viewer version line, the firmware label (the version read from the card
// follows after a blank), the copyright notice, and the upgrade link. The
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
    "イベント発生日",      // 2
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

// The copyright notice is one text; the literal is split only to fit the lines.
constexpr std::string_view kNoticeKo =
    "경고: 이 프로그램은 저작권법 및 국제 조약의 보호를 받습니다. 이 프로그램의 전부 또는 일부를 무단으로 "
    "복제하거나 배포하면 민사 및 형사상의 처벌을 받을 수 있습니다.";
constexpr std::string_view kInfoKo[] = {
    "DirevOvu PC 뷰어",        // 0
    "◈ PC 뷰어 버전: 2.6.1",   // 1
    "◈ 펌웨어 버전:",          // 2
    kNoticeKo,                 // 3
    "◈ 업그레이드 버전 확인",  // 4
};
constexpr std::string_view kNoticeEn =
    "Warning: This program is protected by copyright law and international treaties. Unauthorized "
    "reproduction or distribution of this program, or any portion of it, may result in civil and criminal "
    "penalties.";
constexpr std::string_view kInfoEn[] = {
    "DirevOvu PC Viewer",          // 0
    "◈ PC Viewer Version: 2.6.1",  // 1
    "◈ Firmware Version:",         // 2
    kNoticeEn,                     // 3
    "◈ Check upgrade version",     // 4
};
constexpr std::string_view kNoticeJa =
    "警告: このプログラムは著作権法および国際条約によって保護されています。このプログラムの全部または一部を"
    "無断で複製または配布すると、民事上および刑事上の責任を問われる場合があります。";
constexpr std::string_view kInfoJa[] = {
    "DirevOvu PCビューア",               // 0
    "◈ PCビューアのバージョン: 2.6.1",   // 1
    "◈ ファームウェアのバージョン:",     // 2
    kNoticeJa,                           // 3
    "◈ アップグレードバージョンの確認",  // 4
};
constexpr std::string_view kNoticeZhHans =
    "警告：本程序受著作权法和国际条约保护。未经授权复制或传播本程序或其任何部分，可能导致民事和刑事处罚。";
constexpr std::string_view kInfoZhHans[] = {
    "DirevOvu PC播放器",      // 0
    "◈ PC播放器版本: 2.6.1",  // 1
    "◈ 固件版本:",            // 2
    kNoticeZhHans,            // 3
    "◈ 检查升级版本",         // 4
};
constexpr std::string_view kNoticeRu =
    "Предупреждение: эта программа защищена законом об авторском праве и международными договорами. "
    "Незаконное воспроизведение или распространение этой программы или любой её части может повлечь "
    "гражданскую и уголовную ответственность.";
constexpr std::string_view kInfoRu[] = {
    "Программа просмотра DirevOvu",         // 0
    "◈ Версия программы просмотра: 2.6.1",  // 1
    "◈ Версия прошивки:",                   // 2
    kNoticeRu,                              // 3
    "◈ Проверить наличие обновлений",       // 4
};
constexpr std::string_view kNoticeZhHant =
    "警告：本程式受著作權法及國際條約保護。未經授權重製或散布本程式或其任何部分，可能導致民事及刑事責任。";
constexpr std::string_view kInfoZhHant[] = {
    "DirevOvu PC播放器",      // 0
    "◈ PC播放器版本: 2.6.1",  // 1
    "◈ 韌體版本:",            // 2
    kNoticeZhHant,            // 3
    "◈ 檢查升級版本",         // 4
};
constexpr std::string_view kNoticePtBr =
    "Aviso: este programa é protegido por leis de direitos autorais e tratados internacionais. A reprodução "
    "ou distribuição não autorizada deste programa, ou de qualquer parte dele, pode resultar em penalidades "
    "civis e criminais.";
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
