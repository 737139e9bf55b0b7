// Reading and writing back a large form file (a data-entry form with 2000 controls).
#include <benchmark/benchmark.h>

#include <string>

#include "host/frm/FrmReader.h"
#include "host/frm/FrmWriter.h"

namespace {

std::string big_form(int controls) {
    std::string s =
        "VERSION 5.00\r\nBegin VB.Form frmBig \r\n   Caption = \"Big\"\r\n"
        "   ClientHeight    =   9000\r\n   ClientWidth     =   12000\r\n";
    for (int i = 0; i < controls; ++i) {
        const std::string n = std::to_string(i);
        s += "   Begin VB.TextBox txtField \r\n      Height          =   315\r\n"
             "      Index           =   " +
             n + "\r\n      Left            =   " + std::to_string(120 + (i % 10) * 1100) +
             "\r\n      Text            =   \"value " + n +
             " 'quoted'\"\r\n      Top             =   " + std::to_string(120 + (i / 10) * 400) +
             "\r\n      Width           =   1000\r\n   End\r\n";
    }
    s += "   Begin zokKL4VB.zokKelvane zk \r\n      ControlSettings =   \"a \"\r\n   End\r\n";
    return s + "End\r\nAttribute VB_Name = \"frmBig\"\r\n";
}

void BM_ReadForm(benchmark::State& state) {
    const std::string text = big_form(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto doc = kv::frm::FrmReader::read_bytes(text, "big.frm");
        benchmark::DoNotOptimize(doc.form.children.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadForm)->Arg(200)->Arg(2000);

void BM_SaveResizer(benchmark::State& state) {
    const auto doc = kv::frm::FrmReader::read_bytes(big_form(2000), "big.frm");
    const kv::frm::BagEntries entries = {{"ControlSettings", kv::Value(std::string("txt \tKKKKK"))},
                                         {"MinWidth", kv::Value(6000.0)}};
    for (auto _ : state) {
        auto saved = kv::frm::FrmWriter::save_resizer(doc, entries);
        benchmark::DoNotOptimize(saved.frm_bytes.size());
    }
}
BENCHMARK(BM_SaveResizer);

}  // namespace

BENCHMARK_MAIN();
