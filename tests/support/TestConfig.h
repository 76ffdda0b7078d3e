#pragma once

// A complete, consistent configuration that supports the laser, MFP and XPS test printers.
extern const char kTestConfig[];
