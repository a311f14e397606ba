// A host module that exports every host function as a stub. The binding tests
// build it three times; defining a name as another on the command line (for
// example -DMQ_ShowFileDialog=Omitted_MQ_ShowFileDialog) renames that export,
// so the module lacks exactly that name.
#include "abi/HostFunctionList.h"
#include "refhost/host/variants/StubFunction.h"

BLENDFORGE_HOST_FUNCTIONS(REFHOST_STUB_FUNCTION, REFHOST_STUB_FUNCTION)
