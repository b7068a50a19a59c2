#pragma once

// The layers below the windows, for a window's source to take in with one line,
// `using namespace forms::lowerlayers;`. Headers still name them in full.
namespace textrules {
}
namespace store {
}
namespace engine {
}
namespace pricing {
}
namespace report {
}
namespace platform {
}

namespace forms::lowerlayers {
using namespace ::textrules;
using namespace ::store;
using namespace ::engine;
using namespace ::pricing;
using namespace ::report;
using namespace ::platform;
} // namespace forms::lowerlayers
