#include "convert/output_writer.h"

// Placeholder until the writers land.
namespace zandrel {

OutputRequest MakeOutputRequest(const OutputNames& names, const ConvertOptions& options)
{
    OutputRequest request;
    request.strSourcePath = names.strSourcePath;
    request.strBinaryPath = names.strBinaryPath;
    request.strIdentifier = MakeCIdentifier(names.strArrayName);
    request.m_bAddConst = options.m_bAddConst;
    request.m_bWriteBinary = options.m_bWriteBinary;
    request.m_bLittleEndian = options.m_bLittleEndian;
    return request;
}

bool FormatTrueColorSource(ByteSink&, const CString&, int, const Color16*, const std::uint8_t*, int, int) { return false; }
bool FormatIndexedSource(ByteSink&, const CString&, int, const Color16*, int, const std::uint8_t*, int, int) { return false; }
WriteOutcome WriteTrueColorFiles(const OutputRequest&, Color16*, const std::uint8_t*, int, int) { return {}; }
WriteOutcome WriteIndexedFiles(const OutputRequest&, Color16*, int, const std::uint8_t*, int, int) { return {}; }

}  // namespace zandrel
