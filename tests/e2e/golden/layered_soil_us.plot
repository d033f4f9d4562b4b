    3    1    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    2                                                                                                   Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts
   91            0.2000000E+03  0.1427157E+05                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 1
  0.2221308E+03  0.1074581E+09  0.2067138E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.4442616E+03  0.1074581E+09  0.4134277E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.6663924E+03  0.1074581E+09  0.6201415E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.8885232E+03  0.1074581E+09  0.8268554E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.1110654E+04  0.1074581E+09  0.1033569E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.1332785E+04  0.1074581E+09  0.1240283E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.1554916E+04  0.1074581E+09  0.1446997E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.1777046E+04  0.1074581E+09  0.1653711E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.1999177E+04  0.1074581E+09  0.1860425E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.2221308E+04  0.1074581E+09  0.2067138E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.2443439E+04  0.1074581E+09  0.2273852E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.2665569E+04  0.1074581E+09  0.2480566E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.2887700E+04  0.1074581E+09  0.2687280E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.3109831E+04  0.1074581E+09  0.2893994E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.3331962E+04  0.1074581E+09  0.3100708E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.3554093E+04  0.1074581E+09  0.3307421E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.3776223E+04  0.1074581E+09  0.3514135E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.3998354E+04  0.1074581E+09  0.3720849E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.4220485E+04  0.1074581E+09  0.3927563E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.4442616E+04  0.1074581E+09  0.4134277E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.4664747E+04  0.1074581E+09  0.4340991E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.4886877E+04  0.1074581E+09  0.4547705E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.5109008E+04  0.1074581E+09  0.4754418E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.5331139E+04  0.1074581E+09  0.4961132E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.5553270E+04  0.1074581E+09  0.5167846E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.5775401E+04  0.1074581E+09  0.5374560E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.5997531E+04  0.1074581E+09  0.5581274E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.6219662E+04  0.1074581E+09  0.5787988E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.6441793E+04  0.1074581E+09  0.5994701E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.6663924E+04  0.1074581E+09  0.6201415E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.6886054E+04  0.1074581E+09  0.6408129E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.7108185E+04  0.1074581E+09  0.6614843E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.7330316E+04  0.1074581E+09  0.6821557E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.7552447E+04  0.1074581E+09  0.7028271E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.7774578E+04  0.1074581E+09  0.7234985E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.7996708E+04  0.1074581E+09  0.7441698E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.8218839E+04  0.1074581E+09  0.7648412E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.8440970E+04  0.1074581E+09  0.7855126E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.8663101E+04  0.1074581E+09  0.8061840E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.9107362E+04  0.1074581E+09  0.8475268E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.9551624E+04  0.1074581E+09  0.8888695E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.9995885E+04  0.1074581E+09  0.9302123E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.1042197E+05  0.1072711E+09  0.9715551E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1079165E+05  0.1065423E+09  0.1012898E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1111471E+05  0.1054286E+09  0.1054241E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1140616E+05  0.1041104E+09  0.1095583E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.1167259E+05  0.1026680E+09  0.1136926E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.1191832E+05  0.1011511E+09  0.1178269E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.1214129E+05  0.9955047E+08  0.1219612E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.1233368E+05  0.9781230E+08  0.1260954E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.1249611E+05  0.9595437E+08  0.1302297E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.1263596E+05  0.9404272E+08  0.1343640E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.1275924E+05  0.9212566E+08  0.1384983E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.1286886E+05  0.9022390E+08  0.1426326E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.1296665E+05  0.8834866E+08  0.1467668E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.1305486E+05  0.8651270E+08  0.1509011E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.1313494E+05  0.8472219E+08  0.1550354E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.1320801E+05  0.8298068E+08  0.1591697E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.1327374E+05  0.8128242E+08  0.1633039E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.1333410E+05  0.7963596E+08  0.1674382E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.1339003E+05  0.7804301E+08  0.1715725E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.1344194E+05  0.7650213E+08  0.1757068E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.1348918E+05  0.7500615E+08  0.1798410E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.1353314E+05  0.7355954E+08  0.1839753E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.1357414E+05  0.7216082E+08  0.1881096E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.1361206E+05  0.7080622E+08  0.1922439E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.1364763E+05  0.6949669E+08  0.1963782E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.1368077E+05  0.6822903E+08  0.2005124E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.1371169E+05  0.6700178E+08  0.2046467E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.1374070E+05  0.6581396E+08  0.2087810E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.1376780E+05  0.6466328E+08  0.2129153E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.1379355E+05  0.6355022E+08  0.2170495E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.1381725E+05  0.6246954E+08  0.2211838E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.1384026E+05  0.6142543E+08  0.2253181E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.1386121E+05  0.6040997E+08  0.2294524E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.1388185E+05  0.5942912E+08  0.2335866E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.1390069E+05  0.5847484E+08  0.2377209E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.1391856E+05  0.5754916E+08  0.2418552E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.1393624E+05  0.5665381E+08  0.2459895E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.1399600E+05  0.5331270E+08  0.2625266E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.1404532E+05  0.5033015E+08  0.2790637E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.1408644E+05  0.4765360E+08  0.2956008E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.1412105E+05  0.4523977E+08  0.3121379E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.1415059E+05  0.4305345E+08  0.3286750E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.1417621E+05  0.4106521E+08  0.3452121E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.1419739E+05  0.3924651E+08  0.3617492E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.1421626E+05  0.3758069E+08  0.3782863E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.1423318E+05  0.3604948E+08  0.3948234E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.1424723E+05  0.3463441E+08  0.4113605E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.1426058E+05  0.3332708E+08  0.4278977E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.1427157E+05  0.3211174E+08  0.4444348E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
   90            0.2000000E+03  0.9553432E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips), Section 2
  0.1481320E+03  0.7393063E+08  0.2003662E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=1
  0.2962641E+03  0.7393063E+08  0.4007325E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=2
  0.4443961E+03  0.7393063E+08  0.6010987E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=3
  0.5925281E+03  0.7393063E+08  0.8014649E-05                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=4
  0.7406601E+03  0.7393063E+08  0.1001831E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=5
  0.8887922E+03  0.7393063E+08  0.1202197E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=6
  0.1036924E+04  0.7393063E+08  0.1402564E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=7
  0.1185056E+04  0.7393063E+08  0.1602930E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=8
  0.1333188E+04  0.7393063E+08  0.1803296E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=9
  0.1481320E+04  0.7393063E+08  0.2003662E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=10
  0.1629452E+04  0.7393063E+08  0.2204029E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=11
  0.1777584E+04  0.7393063E+08  0.2404395E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=12
  0.1925716E+04  0.7393063E+08  0.2604761E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=13
  0.2073848E+04  0.7393063E+08  0.2805127E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=14
  0.2221980E+04  0.7393063E+08  0.3005494E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=15
  0.2370112E+04  0.7393063E+08  0.3205860E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=16
  0.2518244E+04  0.7393063E+08  0.3406226E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=17
  0.2666376E+04  0.7393063E+08  0.3606592E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=18
  0.2814509E+04  0.7393063E+08  0.3806958E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=19
  0.2962641E+04  0.7393063E+08  0.4007325E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=20
  0.3110773E+04  0.7393063E+08  0.4207691E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=21
  0.3258905E+04  0.7393063E+08  0.4408057E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=22
  0.3407037E+04  0.7393063E+08  0.4608423E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=23
  0.3555169E+04  0.7393063E+08  0.4808790E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=24
  0.3703301E+04  0.7393063E+08  0.5009156E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=25
  0.3851433E+04  0.7393063E+08  0.5209522E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=26
  0.3999565E+04  0.7393063E+08  0.5409888E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=27
  0.4147697E+04  0.7393063E+08  0.5610255E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=28
  0.4295829E+04  0.7393063E+08  0.5810621E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=29
  0.4443961E+04  0.7393063E+08  0.6010987E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=30
  0.4592093E+04  0.7393063E+08  0.6211353E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=31
  0.4740225E+04  0.7393063E+08  0.6411719E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=32
  0.4888357E+04  0.7393063E+08  0.6612086E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=33
  0.5036489E+04  0.7393063E+08  0.6812452E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=34
  0.5184621E+04  0.7393063E+08  0.7012818E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=35
  0.5332753E+04  0.7393063E+08  0.7213184E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=36
  0.5480885E+04  0.7393063E+08  0.7413551E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=37
  0.5629017E+04  0.7393063E+08  0.7613917E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=38
  0.5777149E+04  0.7393063E+08  0.7814283E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=39
  0.6073413E+04  0.7393063E+08  0.8215016E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=40
  0.6369677E+04  0.7393063E+08  0.8615748E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=41
  0.6661467E+04  0.7388102E+08  0.9016481E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=42
  0.6914220E+04  0.7342108E+08  0.9417213E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=43
  0.7132091E+04  0.7264342E+08  0.9817945E-04                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=44
  0.7328084E+04  0.7171264E+08  0.1021868E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=45
  0.7506773E+04  0.7068917E+08  0.1061941E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=46
  0.7671139E+04  0.6961016E+08  0.1102014E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=47
  0.7823129E+04  0.6849850E+08  0.1142088E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=48
  0.7964123E+04  0.6736921E+08  0.1182161E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=49
  0.8096067E+04  0.6623990E+08  0.1222234E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=50
  0.8219720E+04  0.6511663E+08  0.1262307E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=51
  0.8334371E+04  0.6399336E+08  0.1302381E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=52
  0.8436223E+04  0.6284182E+08  0.1342454E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=53
  0.8523922E+04  0.6165465E+08  0.1382527E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=54
  0.8599747E+04  0.6045090E+08  0.1422600E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=55
  0.8667254E+04  0.5925625E+08  0.1462674E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=56
  0.8727351E+04  0.5807600E+08  0.1502747E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=57
  0.8781754E+04  0.5692015E+08  0.1542820E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=58
  0.8831366E+04  0.5579256E+08  0.1582893E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=59
  0.8876927E+04  0.5469569E+08  0.1622966E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=60
  0.8918440E+04  0.5362734E+08  0.1663040E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=61
  0.8956115E+04  0.5258674E+08  0.1703113E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=62
  0.8991335E+04  0.5157989E+08  0.1743186E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=63
  0.9023999E+04  0.5060396E+08  0.1783259E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=64
  0.9053874E+04  0.4965563E+08  0.1823333E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=65
  0.9082070E+04  0.4873909E+08  0.1863406E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=66
  0.9107898E+04  0.4784869E+08  0.1903479E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=67
  0.9132252E+04  0.4698742E+08  0.1943552E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=68
  0.9154698E+04  0.4615134E+08  0.1983626E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=69
  0.9176180E+04  0.4534360E+08  0.2023699E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=70
  0.9195747E+04  0.4455796E+08  0.2063772E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=71
  0.9214838E+04  0.4379998E+08  0.2103845E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=72
  0.9231974E+04  0.4306121E+08  0.2143919E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=73
  0.9248711E+04  0.4234773E+08  0.2183992E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=74
  0.9264195E+04  0.4165433E+08  0.2224065E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=75
  0.9278791E+04  0.4098155E+08  0.2264138E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=76
  0.9293130E+04  0.4033106E+08  0.2304212E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=77
  0.9305794E+04  0.3969566E+08  0.2344285E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=78
  0.9318457E+04  0.3908162E+08  0.2384358E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=79
  0.9362312E+04  0.3679212E+08  0.2544651E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=80
  0.9398013E+04  0.3474383E+08  0.2704944E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=81
  0.9427834E+04  0.3290420E+08  0.2865237E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=82
  0.9452940E+04  0.3124391E+08  0.3025530E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=83
  0.9474348E+04  0.2973909E+08  0.3185823E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=84
  0.9492416E+04  0.2836846E+08  0.3346116E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=85
  0.9508232E+04  0.2711672E+08  0.3506409E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=86
  0.9521867E+04  0.2596848E+08  0.3666702E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=87
  0.9533658E+04  0.2491160E+08  0.3826995E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=88
  0.9544308E+04  0.2393684E+08  0.3987288E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=89
  0.9553432E+04  0.2303374E+08  0.4147581E-03                                                           Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=2, AxLd#=1, CurvPnt#=90
    0                                                                                                   Line 6 : number of output p-y curves
    2  101    1                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.2177283E+01  0.6000000E+06  0.2500000E+05  0.0000000E+00  0.1074581E+12              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6000000E+01  0.2110509E+01  0.7651549E+06  0.2560000E+05  0.0000000E+00  0.1074581E+12              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1200000E+02  0.2043991E+01  0.9338586E+06  0.2620000E+05  0.0000000E+00  0.1074581E+12              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+02  0.1977785E+01  0.1106100E+07  0.2680000E+05  0.0000000E+00  0.1074581E+12              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2400000E+02  0.1911950E+01  0.1281867E+07  0.2725000E+05  0.0000000E+00  0.1074581E+12              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3000000E+02  0.1846545E+01  0.1459348E+07  0.2720709E+05 -0.6430330E+02  0.1074581E+12              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.1781628E+01  0.1634416E+07  0.2680459E+05 -0.6986502E+02  0.1074581E+12              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4200000E+02  0.1717259E+01  0.1806860E+07  0.2636905E+05 -0.7531418E+02  0.1074581E+12              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+02  0.1653496E+01  0.1976471E+07  0.2590119E+05 -0.8063977E+02  0.1074581E+12              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+02  0.1590394E+01  0.2143047E+07  0.2540177E+05 -0.8583076E+02  0.1074581E+12              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6000000E+02  0.1528011E+01  0.2306390E+07  0.2487165E+05 -0.9087613E+02  0.1074581E+12              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6600000E+02  0.1466400E+01  0.2466306E+07  0.2431173E+05 -0.9576493E+02  0.1074581E+12              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.1405615E+01  0.2622609E+07  0.2372298E+05 -0.1004864E+03  0.1074581E+12              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7800000E+02  0.1345709E+01  0.2775120E+07  0.2310643E+05 -0.1050298E+03  0.1074581E+12              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8400000E+02  0.1286733E+01  0.2923663E+07  0.2246318E+05 -0.1093850E+03  0.1074581E+12              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9000000E+02  0.1228736E+01  0.3068073E+07  0.2179440E+05 -0.1135421E+03  0.1074581E+12              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9600000E+02  0.1171767E+01  0.3208189E+07  0.2110130E+05 -0.1174919E+03  0.1074581E+12              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1020000E+03  0.1115873E+01  0.3343861E+07  0.2038515E+05 -0.1212258E+03  0.1074581E+12              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.1061099E+01  0.3474944E+07  0.1964726E+05 -0.1247364E+03  0.1074581E+12              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1140000E+03  0.1007489E+01  0.3601305E+07  0.1888900E+05 -0.1280175E+03  0.1074581E+12              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1200000E+03  0.9550854E+00  0.3722815E+07  0.1811175E+05 -0.1310646E+03  0.1074581E+12              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1260000E+03  0.9039293E+00  0.3839358E+07  0.1731693E+05 -0.1338753E+03  0.1074581E+12              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1320000E+03  0.8540594E+00  0.3950823E+07  0.1650596E+05 -0.1364498E+03  0.1074581E+12              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1380000E+03  0.8055131E+00  0.4057112E+07  0.1568023E+05 -0.1387918E+03  0.1074581E+12              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.7583260E+00  0.4158133E+07  0.1484113E+05 -0.1409092E+03  0.1074581E+12              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1500000E+03  0.7125319E+00  0.4253802E+07  0.1326128E+05 -0.3857058E+03  0.1074581E+12              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1560000E+03  0.6681629E+00  0.4335301E+07  0.1103044E+05 -0.3579078E+03  0.1074581E+12              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1620000E+03  0.6252462E+00  0.4403625E+07  0.8890443E+04 -0.3554252E+03  0.1074581E+12              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1680000E+03  0.5838049E+00  0.4458858E+07  0.6769528E+04 -0.3515465E+03  0.1074581E+12              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1740000E+03  0.5438573E+00  0.4501137E+07  0.4684641E+04 -0.3434161E+03  0.1074581E+12              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.5054177E+00  0.4530751E+07  0.2661164E+04 -0.3310761E+03  0.1074581E+12              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1860000E+03  0.4684960E+00  0.4548143E+07  0.6952898E+03 -0.3242154E+03  0.1074581E+12              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1920000E+03  0.4330979E+00  0.4553558E+07 -0.1222972E+04 -0.3152052E+03  0.1074581E+12              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1980000E+03  0.3992254E+00  0.4547321E+07 -0.3077918E+04 -0.3031101E+03  0.1074581E+12              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2040000E+03  0.3668762E+00  0.4529868E+07 -0.4851322E+04 -0.2880245E+03  0.1074581E+12              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2100000E+03  0.3360447E+00  0.4501742E+07 -0.6525803E+04 -0.2701359E+03  0.1074581E+12              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.3067213E+00  0.4463589E+07 -0.8069789E+04 -0.2445262E+03  0.1074581E+12              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2220000E+03  0.2788932E+00  0.4416334E+07 -0.9390483E+04 -0.1957051E+03  0.1074581E+12              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2280000E+03  0.2525447E+00  0.4361739E+07 -0.1043648E+05 -0.1529604E+03  0.1074581E+12              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2340000E+03  0.2276574E+00  0.4301344E+07 -0.1124718E+05 -0.1172732E+03  0.1074581E+12              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2400000E+03  0.2042112E+00  0.4236439E+07 -0.1186778E+05 -0.8959177E+02  0.1074581E+12              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2460000E+03  0.1821842E+00  0.4168025E+07 -0.1234905E+05 -0.7083227E+02  0.1074581E+12              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.1615535E+00  0.4096782E+07 -0.1274718E+05 -0.6187956E+02  0.1074581E+12              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2580000E+03  0.1422954E+00  0.4023037E+07 -0.1312358E+05 -0.6358764E+02  0.1074581E+12              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2640000E+03  0.1243850E+00  0.3946733E+07 -0.1354469E+05 -0.7677939E+02  0.1074581E+12              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2700000E+03  0.1077968E+00  0.3867400E+07 -0.1408176E+05 -0.1022454E+03  0.1074581E+12              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2760000E+03  0.9250428E-01  0.3784128E+07 -0.1481072E+05 -0.1407413E+03  0.1074581E+12              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2820000E+03  0.7847948E-01  0.3695535E+07 -0.1581190E+05 -0.1929840E+03  0.1074581E+12              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03  0.6569273E-01  0.3599747E+07 -0.1716978E+05 -0.2596452E+03  0.1074581E+12              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2940000E+03  0.5411195E-01  0.3494371E+07 -0.1897275E+05 -0.3413433E+03  0.1074581E+12              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3000000E+03  0.4370184E-01  0.3376472E+07 -0.2131268E+05 -0.4386322E+03  0.1074581E+12              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3060000E+03  0.3442289E-01  0.3242557E+07 -0.2470440E+05 -0.6919432E+03  0.1074581E+12              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3120000E+03  0.2623024E-01  0.3083514E+07 -0.2860721E+05 -0.6089912E+03  0.1074581E+12              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3180000E+03  0.1907062E-01  0.2902341E+07 -0.3200471E+05 -0.5235090E+03  0.1074581E+12              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03  0.1288332E-01  0.2702127E+07 -0.3487653E+05 -0.4337651E+03  0.1074581E+12              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3300000E+03  0.7601268E-02  0.2486116E+07 -0.3718537E+05 -0.3358485E+03  0.1074581E+12              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3360000E+03  0.3152104E-02  0.2257849E+07 -0.3884680E+05 -0.2179618E+03  0.1074581E+12              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3420000E+03 -0.5406486E-03  0.2021583E+07 -0.3922719E+05  0.9116336E+02  0.1074581E+12              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3480000E+03 -0.3556142E-02  0.1788464E+07 -0.3824779E+05  0.2353048E+03  0.1074581E+12              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3540000E+03 -0.5972475E-02  0.1563696E+07 -0.3662001E+05  0.3072882E+03  0.1074581E+12              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03 -0.7864947E-02  0.1349886E+07 -0.3463212E+05  0.3553425E+03  0.1074581E+12              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3660000E+03 -0.9305188E-02  0.1148777E+07 -0.3239768E+05  0.3894708E+03  0.7393063E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3720000E+03 -0.1018604E-01  0.9615777E+06 -0.2999750E+05  0.4105884E+03  0.7393063E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3780000E+03 -0.1059866E-01  0.7890658E+06 -0.2749978E+05  0.4219862E+03  0.7393063E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3840000E+03 -0.1062705E-01  0.6316686E+06 -0.2495666E+05  0.4257206E+03  0.7393063E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3900000E+03 -0.1034785E-01  0.4895358E+06 -0.2240984E+05  0.4232194E+03  0.7393063E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.9830275E-02  0.3625912E+06 -0.1989353E+05  0.4155491E+03  0.7393063E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4020000E+03 -0.9136140E-02  0.2505711E+06 -0.1743624E+05  0.4035496E+03  0.7393063E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4080000E+03 -0.8319991E-02  0.1530543E+06 -0.1506186E+05  0.3879094E+03  0.7393063E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4140000E+03 -0.7429313E-02  0.6948739E+05 -0.1279050E+05  0.3692107E+03  0.7393063E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4200000E+03 -0.6504799E-02 -0.7947087E+03 -0.1063900E+05  0.3479571E+03  0.7393063E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4260000E+03 -0.5580672E-02 -0.5855028E+05 -0.8621345E+04  0.3245931E+03  0.7393063E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.4685055E-02 -0.1046148E+06 -0.6749019E+04  0.2995154E+03  0.7393063E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4380000E+03 -0.3840380E-02 -0.1398866E+06 -0.5031226E+04  0.2730823E+03  0.7393063E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4440000E+03 -0.3063822E-02 -0.1653138E+06 -0.3475122E+04  0.2456191E+03  0.7393063E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4500000E+03 -0.2367762E-02 -0.1818826E+06 -0.2086000E+04  0.2174217E+03  0.7393063E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4560000E+03 -0.1760268E-02 -0.1906065E+06 -0.8674593E+03  0.1887586E+03  0.7393063E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4620000E+03 -0.1245589E-02 -0.1925165E+06  0.1784281E+03  0.1598705E+03  0.7393063E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03 -0.8246549E-03 -0.1886525E+06  0.1050941E+04  0.1309669E+03  0.7393063E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4740000E+03 -0.4955834E-03 -0.1800552E+06  0.1750483E+04  0.1022139E+03  0.7393063E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+03 -0.2541885E-03 -0.1677607E+06  0.2278210E+04  0.7369516E+02  0.7393063E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4860000E+03 -0.9448358E-04 -0.1527969E+06  0.4962091E+04  0.8209318E+03  0.7393063E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4920000E+03 -0.9181989E-05 -0.1082647E+06  0.7732558E+04  0.1025572E+03  0.7393063E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4980000E+03  0.2340089E-04 -0.6002980E+05  0.7077889E+04 -0.3207803E+03  0.7393063E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03  0.2675268E-04 -0.2333718E+05  0.4806973E+04 -0.4361914E+03  0.7393063E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5100000E+03  0.1874059E-04 -0.2345184E+04  0.2432489E+04 -0.3553033E+03  0.7393063E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5160000E+03  0.9586533E-05  0.5856124E+04  0.7433201E+03 -0.2077531E+03  0.7393063E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5220000E+03  0.3284074E-05  0.6577748E+04 -0.1207430E+03 -0.8026792E+02  0.7393063E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5280000E+03  0.1846029E-06  0.4409087E+04 -0.3766490E+03 -0.5034061E+01  0.7393063E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5340000E+03 -0.7678941E-06  0.2058771E+04 -0.3222821E+03  0.2315636E+02  0.7393063E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03 -0.7178871E-06  0.5418831E+03 -0.1815277E+03  0.2376175E+02  0.7393063E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5460000E+03 -0.4040139E-06 -0.1196347E+03 -0.6648616E+02  0.1458544E+02  0.7393063E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5520000E+03 -0.1483960E-06 -0.2560648E+03 -0.5295818E+01  0.5811338E+01  0.7393063E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5580000E+03 -0.1746703E-07 -0.1832618E+03  0.1426215E+02  0.7079854E+00  0.7393063E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5640000E+03  0.2422392E-07 -0.8495347E+02  0.1340885E+02 -0.9924179E+00  0.7393063E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5700000E+03  0.2454739E-07 -0.2236393E+02  0.7382495E+01 -0.1016368E+01  0.7393063E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.1398089E-07  0.3638520E+01  0.2578501E+01 -0.5849629E+00  0.7393063E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5820000E+03  0.5186145E-08  0.8581953E+01  0.1658638E+00 -0.2192495E+00  0.7393063E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5880000E+03  0.5703216E-09  0.5631567E+01 -0.5649632E+00 -0.2435949E-01  0.7393063E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5940000E+03 -0.1303250E-08  0.1803692E+01 -0.4693451E+00  0.5623221E-01  0.7393063E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6000000E+03 -0.2298526E-08  0.0000000E+00 -0.1148864E-03  0.1001779E+00  0.7393063E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.8591678E+00 -0.4693018E+07  0.2500000E+05  0.0000000E+00  0.1074581E+12              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6000000E+01  0.8583817E+00 -0.4541061E+07  0.2560000E+05  0.0000000E+00  0.1074581E+12              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1200000E+02  0.8560743E+00 -0.4385199E+07  0.2620000E+05  0.0000000E+00  0.1074581E+12              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+02  0.8522977E+00 -0.4225444E+07  0.2680000E+05  0.0000000E+00  0.1074581E+12              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2400000E+02  0.8471056E+00 -0.4061806E+07  0.2725000E+05  0.0000000E+00  0.1074581E+12              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3000000E+02  0.8405527E+00 -0.3896095E+07  0.2750346E+05  0.3448553E+02  0.1074581E+12              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.8326946E+00 -0.3728882E+07  0.2771601E+05  0.3636666E+02  0.1074581E+12              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4200000E+02  0.8235872E+00 -0.3560110E+07  0.2793898E+05  0.3795451E+02  0.1074581E+12              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+02  0.8132872E+00 -0.3389733E+07  0.2817050E+05  0.3922159E+02  0.1074581E+12              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+02  0.8018515E+00 -0.3217717E+07  0.2840857E+05  0.4013292E+02  0.1074581E+12              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6000000E+02  0.7893379E+00 -0.3044040E+07  0.2865089E+05  0.4064212E+02  0.1074581E+12              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6600000E+02  0.7758045E+00 -0.2868696E+07  0.2889487E+05  0.4068474E+02  0.1074581E+12              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.7613100E+00 -0.2691696E+07  0.2913743E+05  0.4016594E+02  0.1074581E+12              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7800000E+02  0.7459137E+00 -0.2513069E+07  0.2937473E+05  0.3893493E+02  0.1074581E+12              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8400000E+02  0.7296756E+00 -0.2332872E+07  0.2960171E+05  0.3672450E+02  0.1074581E+12              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9000000E+02  0.7126559E+00 -0.2151197E+07  0.2981079E+05  0.3296874E+02  0.1074581E+12              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9600000E+02  0.6949155E+00 -0.1968191E+07  0.2998749E+05  0.2593312E+02  0.1074581E+12              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1020000E+03  0.6765157E+00 -0.1784119E+07  0.3001027E+05 -0.1834071E+02  0.1074581E+12              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.6575182E+00 -0.1600588E+07  0.2985661E+05 -0.3287902E+02  0.1074581E+12              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1140000E+03  0.6379846E+00 -0.1418134E+07  0.2963359E+05 -0.4146197E+02  0.1074581E+12              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1200000E+03  0.6179758E+00 -0.1237077E+07  0.2936372E+05 -0.4849305E+02  0.1074581E+12              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1260000E+03  0.5975526E+00 -0.1057683E+07  0.2905384E+05 -0.5480097E+02  0.1074581E+12              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1320000E+03  0.5767750E+00 -0.8801904E+06  0.2870730E+05 -0.6071202E+02  0.1074581E+12              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1380000E+03  0.5557026E+00 -0.7048249E+06  0.2832598E+05 -0.6639583E+02  0.1074581E+12              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.5343940E+00 -0.5318025E+06  0.2791092E+05 -0.7195723E+02  0.1074581E+12              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1500000E+03  0.5129073E+00 -0.3613348E+06  0.2733244E+05 -0.1208680E+03  0.1074581E+12              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1560000E+03  0.4912995E+00 -0.1951942E+06  0.2661164E+05 -0.1193996E+03  0.1074581E+12              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1620000E+03  0.4696263E+00 -0.3333896E+05  0.2590406E+05 -0.1164589E+03  0.1074581E+12              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1680000E+03  0.4479420E+00  0.1243260E+06  0.2521796E+05 -0.1122416E+03  0.1074581E+12              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1740000E+03  0.4262993E+00  0.2779420E+06  0.2456027E+05 -0.1069908E+03  0.1074581E+12              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.4047498E+00  0.4276877E+06  0.2393630E+05 -0.1009961E+03  0.1074581E+12              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1860000E+03  0.3833435E+00  0.5737688E+06  0.2334954E+05 -0.9459191E+02  0.1074581E+12              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1920000E+03  0.3621294E+00  0.7164062E+06  0.2280130E+05 -0.8815611E+02  0.1074581E+12              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1980000E+03  0.3411553E+00  0.8558220E+06  0.2229050E+05 -0.8210918E+02  0.1074581E+12              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2040000E+03  0.3204680E+00  0.9922245E+06  0.2181343E+05 -0.7691306E+02  0.1074581E+12              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2100000E+03  0.3001131E+00  0.1125792E+07  0.2136348E+05 -0.7307026E+02  0.1074581E+12              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.2801353E+00  0.1256653E+07  0.2093090E+05 -0.7112298E+02  0.1074581E+12              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2220000E+03  0.2605785E+00  0.1384869E+07  0.2050258E+05 -0.7165222E+02  0.1074581E+12              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2280000E+03  0.2414856E+00  0.1510414E+07  0.2006179E+05 -0.7527676E+02  0.1074581E+12              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2340000E+03  0.2228988E+00  0.1633147E+07  0.1958801E+05 -0.8265202E+02  0.1074581E+12              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2400000E+03  0.2048591E+00  0.1752795E+07  0.1905664E+05 -0.9446855E+02  0.1074581E+12              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2460000E+03  0.1874066E+00  0.1868925E+07  0.1843889E+05 -0.1114502E+03  0.1074581E+12              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.1705803E+00  0.1980918E+07  0.1770148E+05 -0.1343515E+03  0.1074581E+12              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2580000E+03  0.1544175E+00  0.2087941E+07  0.1680656E+05 -0.1639547E+03  0.1074581E+12              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2640000E+03  0.1389543E+00  0.2188921E+07  0.1571150E+05 -0.2010654E+03  0.1074581E+12              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2700000E+03  0.1242244E+00  0.2282517E+07  0.1436879E+05 -0.2465075E+03  0.1074581E+12              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2760000E+03  0.1102591E+00  0.2367086E+07  0.1272591E+05 -0.3011165E+03  0.1074581E+12              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2820000E+03  0.9708688E-01  0.2440656E+07  0.1072537E+05 -0.3657314E+03  0.1074581E+12              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03  0.8473229E-01  0.2500896E+07  0.8304622E+04 -0.4411844E+03  0.1074581E+12              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2940000E+03  0.7321554E-01  0.2545086E+07  0.5396202E+04 -0.5282888E+03  0.1074581E+12              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3000000E+03  0.6255143E-01  0.2570086E+07  0.1927863E+04 -0.6278241E+03  0.1074581E+12              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3060000E+03  0.5274833E-01  0.2572313E+07 -0.2525279E+04 -0.8565566E+03  0.1074581E+12              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3120000E+03  0.4380700E-01  0.2543532E+07 -0.7456025E+04 -0.7870255E+03  0.1074581E+12              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3180000E+03  0.3571779E-01  0.2486247E+07 -0.1196650E+05 -0.7164654E+03  0.1074581E+12              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03  0.2846150E-01  0.2403003E+07 -0.1605013E+05 -0.6447458E+03  0.1074581E+12              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3300000E+03  0.2201026E-01  0.2296387E+07 -0.1969900E+05 -0.5715441E+03  0.1074581E+12              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3360000E+03  0.1632833E-01  0.2169042E+07 -0.2290223E+05 -0.4961994E+03  0.1074581E+12              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3420000E+03  0.1137307E-01  0.2023688E+07 -0.2564300E+05 -0.4173896E+03  0.1074581E+12              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3480000E+03  0.7095771E-02  0.1863172E+07 -0.2789196E+05 -0.3322653E+03  0.1074581E+12              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3540000E+03  0.3442662E-02  0.1690570E+07 -0.2958841E+05 -0.2332160E+03  0.1074581E+12              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03  0.3559176E-03  0.1509459E+07 -0.3051435E+05 -0.7543099E+02  0.1074581E+12              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3660000E+03 -0.2225136E-02  0.1325532E+07 -0.3016915E+05  0.1904965E+03  0.7393063E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3720000E+03 -0.4160732E-02  0.1148333E+07 -0.2881035E+05  0.2624362E+03  0.7393063E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3780000E+03 -0.5537155E-02  0.9804698E+06 -0.2710797E+05  0.3050240E+03  0.7393063E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3840000E+03 -0.6436145E-02  0.8234922E+06 -0.2519895E+05  0.3313152E+03  0.7393063E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3900000E+03 -0.6934141E-02  0.6783618E+06 -0.2316565E+05  0.3464516E+03  0.7393063E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03 -0.7101814E-02  0.5456375E+06 -0.2106668E+05  0.3532051E+03  0.7393063E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4020000E+03 -0.7003793E-02  0.4255755E+06 -0.1894707E+05  0.3533320E+03  0.7393063E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4080000E+03 -0.6698541E-02  0.3181920E+06 -0.1684289E+05  0.3480631E+03  0.7393063E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4140000E+03 -0.6238347E-02  0.2233078E+06 -0.1478373E+05  0.3383235E+03  0.7393063E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4200000E+03 -0.5669415E-02  0.1405814E+06 -0.1279423E+05  0.3248434E+03  0.7393063E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4260000E+03 -0.5032028E-02  0.6953579E+05 -0.1089503E+05  0.3082210E+03  0.7393063E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03 -0.4360781E-02  0.9579318E+04 -0.9103491E+04  0.2889596E+03  0.7393063E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4380000E+03 -0.3684870E-02 -0.3997554E+05 -0.7434139E+04  0.2674910E+03  0.7393063E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4440000E+03 -0.3028424E-02 -0.7989682E+05 -0.5899095E+04  0.2441905E+03  0.7393063E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4500000E+03 -0.2410883E-02 -0.1110195E+06 -0.4508363E+04  0.2193866E+03  0.7393063E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4560000E+03 -0.1847403E-02 -0.1342334E+06 -0.3270100E+04  0.1933678E+03  0.7393063E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4620000E+03 -0.1349287E-02 -0.1504730E+06 -0.2190839E+04  0.1663859E+03  0.7393063E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03 -0.9244421E-03 -0.1607081E+06 -0.1275707E+04  0.1386583E+03  0.7393063E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4740000E+03 -0.5778532E-03 -0.1659358E+06 -0.5286326E+03  0.1103664E+03  0.7393063E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4800000E+03 -0.3120655E-03 -0.1671741E+06  0.4741565E+02  0.8164968E+02  0.7393063E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4860000E+03 -0.1276820E-03 -0.1654568E+06  0.3620506E+04  0.1109380E+04  0.7393063E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4920000E+03 -0.2386659E-04 -0.1237857E+06  0.7748372E+04  0.2665751E+03  0.7393063E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4980000E+03  0.1967227E-04 -0.7250581E+05  0.7739093E+04 -0.2696683E+03  0.7393063E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03  0.2790494E-04 -0.3092693E+05  0.5565153E+04 -0.4549785E+03  0.7393063E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5100000E+03  0.2107795E-04 -0.5724261E+04  0.3001365E+04 -0.3996174E+03  0.7393063E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5160000E+03  0.1146358E-04  0.5092739E+04  0.1057219E+04 -0.2484313E+03  0.7393063E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5220000E+03  0.4329081E-05  0.6965716E+04 -0.5503486E+01 -0.1058095E+03  0.7393063E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5280000E+03  0.5864887E-06  0.5028872E+04 -0.3709122E+03 -0.1599336E+02  0.7393063E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5340000E+03 -0.7073298E-06  0.2515778E+04 -0.3549022E+03  0.2133001E+02  0.7393063E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03 -0.7761083E-06  0.7703181E+03 -0.2138457E+03  0.2568884E+02  0.7393063E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5460000E+03 -0.4697857E-06 -0.5041798E+02 -0.8589945E+02  0.1695990E+02  0.7393063E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5520000E+03 -0.1880139E-06 -0.2605929E+03 -0.1293132E+02  0.7362815E+01  0.7393063E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5580000E+03 -0.3313597E-07 -0.2056812E+03  0.1318639E+02  0.1343090E+01  0.7393063E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5640000E+03  0.2158697E-07 -0.1023982E+03  0.1456250E+02 -0.8843859E+00  0.7393063E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5700000E+03  0.2644785E-07 -0.3094308E+02  0.8624177E+01 -0.1095056E+01  0.7393063E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.1624121E-07  0.1093022E+01  0.3300404E+01 -0.6795352E+00  0.7393063E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5820000E+03  0.6566816E-08  0.8665749E+01  0.4289422E+00 -0.2776188E+00  0.7393063E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5880000E+03  0.1112146E-08  0.6243355E+01 -0.5464197E+00 -0.4750182E-01  0.7393063E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5940000E+03 -0.1302366E-08  0.2110286E+01 -0.5203429E+00  0.5619410E-01  0.7393063E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6000000E+03 -0.2689290E-08  0.0000000E+00 -0.1344326E-03  0.1172087E+00  0.7393063E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
   17                                                                                                   Line 11: Num. points on Ytop vs. pile length curve for load case 2
  0.6000000E+03  0.8591678E+00  0.4693018E+07  0.3051435E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.5700000E+03  0.8594749E+00  0.4698300E+07  0.3069580E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.5400000E+03  0.8594638E+00  0.4700011E+07  0.3064167E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.5100000E+03  0.8599942E+00  0.4701941E+07  0.3050308E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.4800000E+03  0.8593274E+00  0.4694730E+07  0.3037209E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.4500000E+03  0.8600041E+00  0.4701079E+07  0.3075557E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.4200000E+03  0.8597438E+00  0.4690016E+07  0.3301063E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3900000E+03  0.8622667E+00  0.4659666E+07  0.3316522E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3600000E+03  0.8751311E+00  0.4655250E+07  0.2943994E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3300000E+03  0.9012588E+00  0.4690049E+07  0.2868159E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3000000E+03  0.9369655E+00  0.4803056E+07  0.2799778E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2700000E+03  0.9550779E+00  0.4915738E+07  0.2782990E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2400000E+03  0.9571719E+00  0.5001531E+07  0.2776443E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2100000E+03  0.9381670E+00  0.4929107E+07  0.2804735E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.1800000E+03  0.9307108E+00  0.4492525E+07  0.2808006E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.1500000E+03  0.1240536E+01  0.3483459E+07  0.2737115E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.1200000E+03  0.3232744E+01  0.2677301E+07  0.2737000E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2500000E+05  0.2177283E+01  0.4553558E+07 -0.3922719E+05 -0.1114586E-01                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
  0.2500000E+05  0.8591678E+00 -0.4693018E+07 -0.3051435E+05  0.2220446E-15                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
