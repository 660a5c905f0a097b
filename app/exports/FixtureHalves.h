#pragma once

class VNAFixtureConnection;

// The two fixture halves of one setup as the correction sees them.
struct FixtureHalves
{
    bool leftEnabled = false;
    VNAFixtureConnection* left = nullptr;
    bool rightEnabled = false;
    VNAFixtureConnection* right = nullptr;
};
