// Error codes of the basic suite (four-character codes, first char high).
#ifndef FX_SDK_SPERRORCODES_H
#define FX_SDK_SPERRORCODES_H

#include "SPTypes.h"

#define kSPNoError 0
#define kSPUnimplementedError 0x21494D50            // '!IMP'
#define kSPUserCanceledError 0x73746F70             // 'stop'
#define kSPOperationInterrupted 0x696E7472          // 'intr'
#define kSPLogicError 0x66626172                    // 'fbar'
#define kSPCantAcquirePluginError 0x21416371        // '!Acq'
#define kSPCantReleasePluginError 0x2152656C        // '!Rel'
#define kSPBadParameterError 0x5061726D             // 'Parm'
#define kSPOutOfMemoryError (int32(0xFFFFFF6c))     // -148
#define kSPSuiteNotFoundError 0x53214664            // 'S!Fd'
#define kSPSuiteAlreadyExistsError 0x53457869       // 'SExi'
#define kSPSuiteAlreadyReleasedError 0x5352656C     // 'SRel'
#define kSPBadSuiteListIteratorError 0x534C4974     // 'SLIt'
#define kSPBadSuiteInternalVersionError 0x53495673  // 'SIVs'

#endif
