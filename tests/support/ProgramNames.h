#pragma once

// The tests name the program's types and functions as its own code does, without their layer.
// A layer a test does not include is only declared here, which costs nothing.
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
namespace forms {
}

using namespace textrules;
using namespace store;
using namespace engine;
using namespace pricing;
using namespace report;
using namespace platform;
using namespace forms;
