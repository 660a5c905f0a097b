#include "bench/remote/BenchCommands.h"

#include "remote/handlers/ScpiHandlerCreator.h"

#include <QByteArrayList>

using namespace Orlix::Automation;
namespace Creator = Orlix::Automation::ScpiHandlerCreator;

namespace {

struct Nothing
{
};

const char* const applicationPatterns[] = {
    "*OPC?", "NOLT:SYSTem:READy?", "NOLT:CALC:LP", "NOLT:CALC:LP:10Mhz", "NOLT:CALCulate:STEP#:DUT",
    "NOLT:CALCulate:STEP#:REFlect:OFFSet", "NOLT:CALCulate:STEP#:REFlect:OPEN", "NOLT:CALCulate:STEP#:REFlect:SHORt",
    "NOLT:CALCulate:STEP#:THRU", "NOLT:CALCulate:STEP#:THRU:OFFSet", "NOLT:CALCulate:STEP#:THRU:REFOFFSet:OPEN",
    "NOLT:CALCulate:STEP#:THRU:REFOFFSet:SHORt", "NOLT:CALCulate:ZCONversion", "NOLT:SENSe:BANDwidth",
    "NOLT:SENSe:BANDwidth?", "NOLT:SENSe:CALIBration:TYPE?", "NOLT:SENSe:FREQeuncy:STARt", "NOLT:SENSe:FREQeuncy:STARt?",
    "NOLT:SENSe:FREQeuncy:STEP?", "NOLT:SENSe:FREQeuncy:STOP", "NOLT:SENSe:FREQeuncy:STOP?", "NOLT:SENSe:POWer",
    "NOLT:SENSe:POWer?", "NOLT:SENSe:PRESet", "NOLT:SENSe:SWEep:POINts", "NOLT:SENSe:SWEep:POINts?",
    "NOLT:SENSe:SWEep:TYPE?", "NOLT:SYSTem:CALCulation:METHod", "NOLT:SYSTem:CALCulation:METHod?",
    "NOLT:SYSTem:CORRECTion:APPLy", "NOLT:SYSTem:CORRECTion:SAVE", "NOLT:SYSTem:DATA:SAVE", "NOLT:SYSTem:ERRor?",
    "NOLT:SYSTem:FIXTure:CONNECTion:DIRect", "NOLT:SYSTem:FIXTure:CONNECTion:DIRect?",
    "NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent", "NOLT:SYSTem:FIXTure:CONNECTion:DUT:DIFFerent?",
    "NOLT:SYSTem:FIXTure:CONNECTion:LEFT:THRU", "NOLT:SYSTem:FIXTure:CONNECTion:LEFT:THRU?",
    "NOLT:SYSTem:FIXTure:CONNECTion:RIGHT:THRU", "NOLT:SYSTem:FIXTure:CONNECTion:RIGHT:THRU?", "NOLT:SYSTem:FIXTure:LEFT",
    "NOLT:SYSTem:FIXTure:LEFT?", "NOLT:SYSTem:FIXTure:LEFT:PORT#", "NOLT:SYSTem:FIXTure:LEFT:PORT#?",
    "NOLT:SYSTem:FIXTure:LEFT:PORT:COUNt", "NOLT:SYSTem:FIXTure:LEFT:PORT:COUNt?", "NOLT:SYSTem:FIXTure:LEFT:PORT#:GATing?",
    "NOLT:SYSTem:FIXTure:LEFT:PORT#:GATing:TRACe?", "NOLT:SYSTem:FIXTure:LEFT:PORT#:IMPedance?",
    "NOLT:SYSTem:FIXTure:LEFT:PORT#:IMPedance:TRACe?", "NOLT:SYSTem:FIXTure:LEFT:PORT#:LENgth?",
    "NOLT:SYSTem:FIXTure:LEFT:PORT#:LENgth:TRACe?", "NOLT:SYSTem:FIXTure:LEFT:PORT#:AUX",
    "NOLT:SYSTem:FIXTure:LEFT:PORT#:AUX?", "NOLT:SYSTem:FIXTure:LEFT:PORT#:AUX:GATing?",
    "NOLT:SYSTem:FIXTure:LEFT:PORT#:AUX:GATing:TRACe?", "NOLT:SYSTem:FIXTure:LEFT:PORT#:AUX:IMPedance?",
    "NOLT:SYSTem:FIXTure:LEFT:PORT#:AUX:IMPedance:TRACe?", "NOLT:SYSTem:FIXTure:LEFT:PORT#:AUX:LENgth?",
    "NOLT:SYSTem:FIXTure:LEFT:PORT#:AUX:LENgth:TRACe?", "NOLT:SYSTem:FIXTure:RIGHT", "NOLT:SYSTem:FIXTure:RIGHT?",
    "NOLT:SYSTem:FIXTure:RIGHT:PORT#", "NOLT:SYSTem:FIXTure:RIGHT:PORT#?", "NOLT:SYSTem:FIXTure:RIGHT:PORT:COUNt",
    "NOLT:SYSTem:FIXTure:RIGHT:PORT:COUNt?", "NOLT:SYSTem:FIXTure:RIGHT:PORT#:GATing?",
    "NOLT:SYSTem:FIXTure:RIGHT:PORT#:GATing:TRACe?", "NOLT:SYSTem:FIXTure:RIGHT:PORT#:IMPedance?",
    "NOLT:SYSTem:FIXTure:RIGHT:PORT#:IMPedance:TRACe?", "NOLT:SYSTem:FIXTure:RIGHT:PORT#:LENgth?",
    "NOLT:SYSTem:FIXTure:RIGHT:PORT#:LENgth:TRACe?", "NOLT:SYSTem:FIXTure:RIGHT:PORT#:AUX",
    "NOLT:SYSTem:FIXTure:RIGHT:PORT#:AUX?", "NOLT:SYSTem:FIXTure:RIGHT:PORT#:AUX:GATing?",
    "NOLT:SYSTem:FIXTure:RIGHT:PORT#:AUX:GATing:TRACe?", "NOLT:SYSTem:FIXTure:RIGHT:PORT#:AUX:IMPedance?",
    "NOLT:SYSTem:FIXTure:RIGHT:PORT#:AUX:IMPedance:TRACe?", "NOLT:SYSTem:FIXTure:RIGHT:PORT#:AUX:LENgth?",
    "NOLT:SYSTem:FIXTure:RIGHT:PORT#:AUX:LENgth:TRACe?", "NOLT:SYSTem:LPass:IGNore", "NOLT:SYSTem:LPass:IGNore?",
    "NOLT:SYSTem:PRESet", "NOLT:SYSTem:SETup:SAVE", "NOLT:SYSTem:STATe:LOAD", "NOLT:SYSTem:STEP:COUNt?",
    "NOLT:SYSTem:STEP#:DATA:DELete", "NOLT:SYSTem:STEP#:MEASured?", "NOLT:SYSTem:STEP#:REFlect:APPRoximation",
    "NOLT:SYSTem:STEP#:REFlect:OFFSet", "NOLT:SYSTem:STEP#:REFlect:OPEN", "NOLT:SYSTem:STEP#:REFlect:SHORt",
    "NOLT:SYSTem:STEP#:THRU:OFFSet", "NOLT:SYSTem:STEP#:THRU:REFOFFSet", "NOLT:SYSTem:STEP#:THRU:REFOFFSet:OPEN",
    "NOLT:SYSTem:STEP#:THRU:REFOFFSet:SHORt", "NOLT:SYSTem:STEP#:TYPE?", "NOLT:SYSTem:VNA:DEFault", "NOLT:SYSTem:VNA:IP",
    "NOLT:SYSTem:VNA:IP?", "NOLT:SYSTem:VNA:PORT", "NOLT:SYSTem:VNA:PORT?", "NOLT:SYSTem:ZCONversion:TYPE",
    "NOLT:SYSTem:ZCONversion:TYPE?",
};

Nothing nothing;

std::unique_ptr<ScpiHandlerBase> handlerFor(const QByteArray& pattern)
{
    const bool query = pattern.endsWith('?');
    const bool suffix = pattern.contains('#');
    if (query && suffix)
        return Creator::create<Types<DeviceFunctions*>, Types<NumericIndex>, Types<>>(
            &nothing, +[](Nothing*, DeviceFunctions* f, const NumericIndex&) { f->sendAnswer(QByteArray("1")); });
    if (query)
        return Creator::create<Types<DeviceFunctions*>, Types<>, Types<>>(
            &nothing, +[](Nothing*, DeviceFunctions* f) { f->sendAnswer(QByteArray("1")); });
    if (suffix)
        return Creator::create<Types<>, Types<NumericIndex>, Types<double>>(
            &nothing, +[](Nothing*, const NumericIndex&, double) {});
    return Creator::create<Types<>, Types<>, Types<double>>(&nothing, +[](Nothing*, double) {});
}

} // namespace

void registerBenchCommands()
{
    static_assert(sizeof applicationPatterns / sizeof applicationPatterns[0] == 105);
    for (const char* pattern : applicationPatterns)
        DeviceFunctions::registerCommand(pattern, handlerFor(pattern));
}
