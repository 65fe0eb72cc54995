// Micro-benchmarks of the importers' hot paths.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "dxf/Bulge.h"
#include "dxf/CKVDxf.h"

namespace
{
// A temporary file of LINE entities as a CAD program writes them.
class PairFile
{
public:
    PairFile()
    {
        char name[] = "/tmp/rvz_microXXXXXX";
        int fd = mkstemp(name);
        m_path = name;
        std::string text;
        for (int i = 0; i < 20000; ++i)
            text += "  0\nLINE\n  8\nOUTLINE\n 10\n1234.567890\n 20\n-87.125000\n 30\n0.0\n"
                    " 11\n1301.000000\n 21\n12.500000\n 31\n0.0\n";
        m_pairs = 20000 * 8;
        m_bytes = static_cast<long long>(text.size());
        FILE* f = fdopen(fd, "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    ~PairFile() { std::remove(m_path.c_str()); }
    CString WidePath() const { return CString(std::wstring(m_path.begin(), m_path.end()).c_str()); }

    std::string m_path;
    long long m_pairs;
    long long m_bytes;
};

const PairFile& Pairs()
{
    static PairFile file;
    return file;
}

void BM_PairReader(benchmark::State& state)
{
    for (auto _ : state)
    {
        CKVDxf dxf;
        dxf.Open(Pairs().WidePath());
        while (dxf.ReadLabel())
            benchmark::DoNotOptimize(dxf.m_nCode);
    }
    state.SetItemsProcessed(state.iterations() * Pairs().m_pairs);
    state.SetBytesProcessed(state.iterations() * Pairs().m_bytes);
}
BENCHMARK(BM_PairReader)->Unit(benchmark::kMillisecond);

void BM_WideLineRead(benchmark::State& state)
{
    wchar_t line[2048];
    for (auto _ : state)
    {
        FILE* f = _wfopen(Pairs().WidePath(), L"r");
        while (fgetws(line, 2048, f))
            benchmark::DoNotOptimize(line[0]);
        fclose(f);
    }
    state.SetBytesProcessed(state.iterations() * Pairs().m_bytes);
}
BENCHMARK(BM_WideLineRead)->Unit(benchmark::kMillisecond);

void BM_Wtoi(benchmark::State& state)
{
    const wchar_t* codes[] = {L"  0\n", L" 10\n", L" 20\n", L"330\n", L"100\n", L"  8\n"};
    for (auto _ : state)
        for (const wchar_t* code : codes)
            benchmark::DoNotOptimize(_wtoi(code));
    state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_Wtoi);

void BM_Trim(benchmark::State& state)
{
    CString value;
    for (auto _ : state)
    {
        value = L"1234.567890\n";
        value.Trim();
        benchmark::DoNotOptimize(value.GetString());
    }
}
BENCHMARK(BM_Trim);

void BM_CompareNoCase(benchmark::State& state)
{
    CString value(L"LWPOLYLINE");
    const wchar_t* names[] = {L"LINE", L"POLYLINE", L"SPLINE", L"LWPOLYLINE"};
    for (auto _ : state)
        for (const wchar_t* name : names)
            benchmark::DoNotOptimize(value.CompareNoCase(name));
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_CompareNoCase);

void BM_Wtof(benchmark::State& state)
{
    const wchar_t* values[] = {L"1234.567890", L"-87.125", L"0.0", L"12.5", L"1.5E+03",
                               L"359.999999"};
    for (auto _ : state)
        for (const wchar_t* value : values)
            benchmark::DoNotOptimize(_wtof(value));
    state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_Wtof);

// Quarter, half and near-full circles over a 40-unit chord, the bulges drawings carry.
void BM_TessellateBulge(benchmark::State& state)
{
    const double bulge = state.range(0) / 1000.0;
    for (auto _ : state)
    {
        CPolylineShape shape;
        shape.Add(100.0, 100.0, 1);
        TessellateBulge(&shape, bulge, 140.0, 100.0);
        benchmark::DoNotOptimize(shape.m_nCount);
    }
}
BENCHMARK(BM_TessellateBulge)->Arg(414)->Arg(1000)->Arg(-3000);
} // namespace
