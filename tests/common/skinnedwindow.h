#pragma once

#include "tform.h"
#include "vekform.h"

#include <gtest/gtest.h>

// A window wearing a skinned frame, as the program's windows do. The host
// grows around the frame's panel.
class SkinnedWindowTest : public ::testing::Test
{
protected:
    // Puts the frame on the host with a panel of the given size.
    void MakeFrame(int width, int height)
    {
        form = new TvekForm(&host);
        form->SetWidth(width);
        form->SetHeight(height);
    }

    TForm host;
    TvekForm *form = nullptr;
};
