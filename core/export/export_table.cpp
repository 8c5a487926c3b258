#include "core/export/export_table.h"

#include "core/amount/amount.h"

namespace tolvex {
namespace {

std::string WithoutBlanks(std::string text) {
    std::erase(text, kThousandsSeparator);
    return text;
}

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

std::string CsvField(const ExportCell& cell) {
    std::string text = ExportText(cell);
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string ExportText(const ExportCell& cell) {
    switch (cell.kind) {
        case ExportCell::Kind::Money:
            return WithoutBlanks(FormatMoney(cell.value, 15));
        case ExportCell::Kind::Number:
            return FormatGeneral(cell.value);
        case ExportCell::Kind::Text:
            break;
    }
    return cell.text;
}

std::string ToTsv(const std::vector<ExportRow>& rows) {
    std::string out;
    for (const ExportRow& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out += '\t';
            out += OneLine(ExportText(row[c]));
        }
        out += '\n';
    }
    return out;
}

std::string ToTsv(const ExportTable& table) {
    return ToTsv(std::vector<ExportRow>{table.Header}) + ToTsv(table.Rows);
}

std::string ToCsv(const ExportTable& table) {
    std::string out(kUtf8Bom);
    auto line = [&out](const ExportRow& row) {
        for (size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out += ';';
            out += CsvField(row[c]);
        }
        out += "\r\n";
    };
    line(table.Header);
    for (const ExportRow& row : table.Rows) line(row);
    return out;
}

}  // namespace tolvex
