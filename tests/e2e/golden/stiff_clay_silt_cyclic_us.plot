    3    1    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                                                   Line 2 : Total number of sections
    1                                                                                                   Line 3d : Total number of axial thrusts for elastic section
  150            0.0000000E+00  0.0000000E+00                                                           Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.1462238E+10  0.1462238E+09  0.1000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.2924476E+10  0.1462238E+09  0.2000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.4386714E+10  0.1462238E+09  0.3000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.5848952E+10  0.1462238E+09  0.4000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.7311190E+10  0.1462238E+09  0.5000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.8773428E+10  0.1462238E+09  0.6000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.1023567E+11  0.1462238E+09  0.7000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.1169790E+11  0.1462238E+09  0.8000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.1316014E+11  0.1462238E+09  0.9000000E+02                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.1462238E+11  0.1462238E+09  0.1000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.1608462E+11  0.1462238E+09  0.1100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.1754686E+11  0.1462238E+09  0.1200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.1900909E+11  0.1462238E+09  0.1300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.2047133E+11  0.1462238E+09  0.1400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.2193357E+11  0.1462238E+09  0.1500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.2339581E+11  0.1462238E+09  0.1600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.2485805E+11  0.1462238E+09  0.1700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.2632028E+11  0.1462238E+09  0.1800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.2778252E+11  0.1462238E+09  0.1900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.2924476E+11  0.1462238E+09  0.2000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.3070700E+11  0.1462238E+09  0.2100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.3216924E+11  0.1462238E+09  0.2200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.3363147E+11  0.1462238E+09  0.2300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.3509371E+11  0.1462238E+09  0.2400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.3655595E+11  0.1462238E+09  0.2500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.3801819E+11  0.1462238E+09  0.2600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.3948043E+11  0.1462238E+09  0.2700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.4094266E+11  0.1462238E+09  0.2800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.4240490E+11  0.1462238E+09  0.2900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.4386714E+11  0.1462238E+09  0.3000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.4532938E+11  0.1462238E+09  0.3100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.4679162E+11  0.1462238E+09  0.3200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.4825385E+11  0.1462238E+09  0.3300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.4971609E+11  0.1462238E+09  0.3400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.5117833E+11  0.1462238E+09  0.3500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.5264057E+11  0.1462238E+09  0.3600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.5410281E+11  0.1462238E+09  0.3700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.5556504E+11  0.1462238E+09  0.3800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.5702728E+11  0.1462238E+09  0.3900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.5848952E+11  0.1462238E+09  0.4000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.5995176E+11  0.1462238E+09  0.4100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.6141400E+11  0.1462238E+09  0.4200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.6287623E+11  0.1462238E+09  0.4300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.6433847E+11  0.1462238E+09  0.4400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.6580071E+11  0.1462238E+09  0.4500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.6726295E+11  0.1462238E+09  0.4600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.6872519E+11  0.1462238E+09  0.4700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.7018742E+11  0.1462238E+09  0.4800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.7164966E+11  0.1462238E+09  0.4900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.7311190E+11  0.1462238E+09  0.5000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.7457414E+11  0.1462238E+09  0.5100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.7603638E+11  0.1462238E+09  0.5200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.7749861E+11  0.1462238E+09  0.5300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.7896085E+11  0.1462238E+09  0.5400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.8042309E+11  0.1462238E+09  0.5500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.8188533E+11  0.1462238E+09  0.5600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.8334757E+11  0.1462238E+09  0.5700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.8480980E+11  0.1462238E+09  0.5800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.8627204E+11  0.1462238E+09  0.5900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.8773428E+11  0.1462238E+09  0.6000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.8919652E+11  0.1462238E+09  0.6100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.9065876E+11  0.1462238E+09  0.6200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.9212099E+11  0.1462238E+09  0.6300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.9358323E+11  0.1462238E+09  0.6400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.9504547E+11  0.1462238E+09  0.6500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.9650771E+11  0.1462238E+09  0.6600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.9796995E+11  0.1462238E+09  0.6700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.9943218E+11  0.1462238E+09  0.6800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.1008944E+12  0.1462238E+09  0.6900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.1023567E+12  0.1462238E+09  0.7000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.1038189E+12  0.1462238E+09  0.7100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.1052811E+12  0.1462238E+09  0.7200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.1067434E+12  0.1462238E+09  0.7300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.1082056E+12  0.1462238E+09  0.7400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.1096678E+12  0.1462238E+09  0.7500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.1111301E+12  0.1462238E+09  0.7600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.1125923E+12  0.1462238E+09  0.7700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.1140546E+12  0.1462238E+09  0.7800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.1155168E+12  0.1462238E+09  0.7900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.1169790E+12  0.1462238E+09  0.8000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.1184413E+12  0.1462238E+09  0.8100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.1199035E+12  0.1462238E+09  0.8200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.1213658E+12  0.1462238E+09  0.8300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.1228280E+12  0.1462238E+09  0.8400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.1242902E+12  0.1462238E+09  0.8500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.1257525E+12  0.1462238E+09  0.8600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.1272147E+12  0.1462238E+09  0.8700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.1286769E+12  0.1462238E+09  0.8800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.1301392E+12  0.1462238E+09  0.8900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.1316014E+12  0.1462238E+09  0.9000000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.1330637E+12  0.1462238E+09  0.9100000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.1345259E+12  0.1462238E+09  0.9200000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.1359881E+12  0.1462238E+09  0.9300000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.1374504E+12  0.1462238E+09  0.9400000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.1389126E+12  0.1462238E+09  0.9500000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.1403748E+12  0.1462238E+09  0.9600000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.1418371E+12  0.1462238E+09  0.9700000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.1432993E+12  0.1462238E+09  0.9800000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.1447616E+12  0.1462238E+09  0.9900000E+03                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.1462238E+12  0.1462238E+09  0.1000000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.1476860E+12  0.1462238E+09  0.1010000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.1491483E+12  0.1462238E+09  0.1020000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.1506105E+12  0.1462238E+09  0.1030000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.1520728E+12  0.1462238E+09  0.1040000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.1535350E+12  0.1462238E+09  0.1050000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.1549972E+12  0.1462238E+09  0.1060000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.1564595E+12  0.1462238E+09  0.1070000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.1579217E+12  0.1462238E+09  0.1080000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.1593839E+12  0.1462238E+09  0.1090000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.1608462E+12  0.1462238E+09  0.1100000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.1623084E+12  0.1462238E+09  0.1110000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.1637707E+12  0.1462238E+09  0.1120000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.1652329E+12  0.1462238E+09  0.1130000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.1666951E+12  0.1462238E+09  0.1140000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.1681574E+12  0.1462238E+09  0.1150000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.1696196E+12  0.1462238E+09  0.1160000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.1710818E+12  0.1462238E+09  0.1170000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.1725441E+12  0.1462238E+09  0.1180000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.1740063E+12  0.1462238E+09  0.1190000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.1754686E+12  0.1462238E+09  0.1200000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.1769308E+12  0.1462238E+09  0.1210000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.1783930E+12  0.1462238E+09  0.1220000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.1798553E+12  0.1462238E+09  0.1230000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.1813175E+12  0.1462238E+09  0.1240000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.1827798E+12  0.1462238E+09  0.1250000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.1842420E+12  0.1462238E+09  0.1260000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.1857042E+12  0.1462238E+09  0.1270000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.1871665E+12  0.1462238E+09  0.1280000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.1886287E+12  0.1462238E+09  0.1290000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.1900909E+12  0.1462238E+09  0.1300000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.1915532E+12  0.1462238E+09  0.1310000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.1930154E+12  0.1462238E+09  0.1320000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.1944777E+12  0.1462238E+09  0.1330000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.1959399E+12  0.1462238E+09  0.1340000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.1974021E+12  0.1462238E+09  0.1350000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.1988644E+12  0.1462238E+09  0.1360000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.2003266E+12  0.1462238E+09  0.1370000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.2017888E+12  0.1462238E+09  0.1380000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.2032511E+12  0.1462238E+09  0.1390000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.2047133E+12  0.1462238E+09  0.1400000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.2061756E+12  0.1462238E+09  0.1410000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.2076378E+12  0.1462238E+09  0.1420000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.2091000E+12  0.1462238E+09  0.1430000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.2105623E+12  0.1462238E+09  0.1440000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.2120245E+12  0.1462238E+09  0.1450000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.2134867E+12  0.1462238E+09  0.1460000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.2149490E+12  0.1462238E+09  0.1470000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.2164112E+12  0.1462238E+09  0.1480000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.2178735E+12  0.1462238E+09  0.1490000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.2193357E+12  0.1462238E+09  0.1500000E+04                                                           Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    4                                                                           Line 6 : number of output p-y curves
  0.7200000E+02   17                                                                                    Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for stiff clay with k
  0.8820000E-04  0.1842463E+01                                                                          Line 8(2): y, p, for stiff clay with k
  0.4410000E-03  0.9212313E+01                                                                          Line 8(3): y, p, for stiff clay with k
  0.8820000E-03  0.1842463E+02                                                                          Line 8(4): y, p, for stiff clay with k
  0.4410000E-02  0.7252623E+02                                                                          Line 8(5): y, p, for stiff clay with k
  0.8820000E-02  0.8624871E+02                                                                          Line 8(6): y, p, for stiff clay with k
  0.4410000E-01  0.1289719E+03                                                                          Line 8(7): y, p, for stiff clay with k
  0.8820000E-01  0.1533743E+03                                                                          Line 8(8): y, p, for stiff clay with k
  0.2205000E+00  0.1928580E+03                                                                          Line 8(9): y, p, for stiff clay with k
  0.4410000E+00  0.2293481E+03                                                                          Line 8(10): y, p, for stiff clay with k
  0.6615000E+00  0.2538154E+03                                                                          Line 8(11): y, p, for stiff clay with k
  0.8820000E+00  0.2727424E+03                                                                          Line 8(12): y, p, for stiff clay with k
  0.2205000E+01  0.3429554E+03                                                                          Line 8(13): y, p, for stiff clay with k
  0.4410000E+01  0.4078449E+03                                                                          Line 8(14): y, p, for stiff clay with k
  0.8820000E+01  0.4850121E+03                                                                          Line 8(15): y, p, for stiff clay with k
  0.1653750E+02  0.5675484E+03                                                                          Line 8(16): y, p, for stiff clay with k
  0.2425500E+02  0.5906881E+03                                                                          Line 8(17): y, p, for stiff clay with k
  0.2160000E+03   17                                                                                    Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for cemented c-phi
  0.4895833E-01  0.2593247E+04                                                                          Line 8(2): y, p, for cemented c-phi
  0.9791667E-01  0.5186494E+04                                                                          Line 8(3): y, p, for cemented c-phi
  0.1468750E+00  0.7779741E+04                                                                          Line 8(4): y, p, for cemented c-phi
  0.1958333E+00  0.7405603E+04                                                                          Line 8(5): y, p, for cemented c-phi
  0.2447917E+00  0.6901029E+04                                                                          Line 8(6): y, p, for cemented c-phi
  0.2937500E+00  0.6514391E+04                                                                          Line 8(7): y, p, for cemented c-phi
  0.3427083E+00  0.6204442E+04                                                                          Line 8(8): y, p, for cemented c-phi
  0.3916667E+00  0.5947898E+04                                                                          Line 8(9): y, p, for cemented c-phi
  0.4406250E+00  0.5730429E+04                                                                          Line 8(10): y, p, for cemented c-phi
  0.4895833E+00  0.5542643E+04                                                                          Line 8(11): y, p, for cemented c-phi
  0.5385417E+00  0.5378077E+04                                                                          Line 8(12): y, p, for cemented c-phi
  0.5875000E+00  0.5232110E+04                                                                          Line 8(13): y, p, for cemented c-phi
  0.1321875E+01  0.3163873E+04                                                                          Line 8(14): y, p, for cemented c-phi
  0.1387969E+01  0.3163873E+04                                                                          Line 8(15): y, p, for cemented c-phi
  0.1454063E+01  0.3163873E+04                                                                          Line 8(16): y, p, for cemented c-phi
  0.1520156E+01  0.3163873E+04                                                                          Line 8(17): y, p, for cemented c-phi
  0.3600000E+03   17                                                                                    Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for cyclic stiff clay with free water
  0.2075625E-01  0.2958019E+03                                                                          Line 8(2): y, p, for cyclic stiff clay with free water
  0.4151250E-01  0.5410005E+03                                                                          Line 8(3): y, p, for cyclic stiff clay with free water
  0.6226875E-01  0.7388687E+03                                                                          Line 8(4): y, p, for cyclic stiff clay with free water
  0.8302500E-01  0.8929242E+03                                                                          Line 8(5): y, p, for cyclic stiff clay with free water
  0.1037813E+00  0.1006995E+04                                                                          Line 8(6): y, p, for cyclic stiff clay with free water
  0.1245375E+00  0.1085319E+04                                                                          Line 8(7): y, p, for cyclic stiff clay with free water
  0.1452938E+00  0.1132717E+04                                                                          Line 8(8): y, p, for cyclic stiff clay with free water
  0.1660500E+00  0.1154942E+04                                                                          Line 8(9): y, p, for cyclic stiff clay with free water
  0.1868063E+00  0.1159714E+04                                                                          Line 8(10): y, p, for cyclic stiff clay with free water
  0.2075625E+00  0.1154942E+04                                                                          Line 8(11): y, p, for cyclic stiff clay with free water
  0.2283188E+00  0.1132717E+04                                                                          Line 8(12): y, p, for cyclic stiff clay with free water
  0.2490750E+00  0.1085319E+04                                                                          Line 8(13): y, p, for cyclic stiff clay with free water
  0.4151250E+00  0.7621643E+03                                                                          Line 8(14): y, p, for cyclic stiff clay with free water
  0.5811750E+00  0.4388359E+03                                                                          Line 8(15): y, p, for cyclic stiff clay with free water
  0.7472250E+00  0.1155076E+03                                                                          Line 8(16): y, p, for cyclic stiff clay with free water
  0.7887375E+00  0.1155076E+03                                                                          Line 8(17): y, p, for cyclic stiff clay with free water
  0.5400000E+03   17                                                                                    Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. 4
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for stiff clay w/o water
  0.6375000E-04  0.3964453E+02                                                                          Line 8(2): y, p, for stiff clay w/o water
  0.3187500E-03  0.1982227E+03                                                                          Line 8(3): y, p, for stiff clay w/o water
  0.6375000E-03  0.3964453E+03                                                                          Line 8(4): y, p, for stiff clay w/o water
  0.3187500E-02  0.4867659E+03                                                                          Line 8(5): y, p, for stiff clay w/o water
  0.6375000E-02  0.5788654E+03                                                                          Line 8(6): y, p, for stiff clay w/o water
  0.3187500E-01  0.8656057E+03                                                                          Line 8(7): y, p, for stiff clay w/o water
  0.6375000E-01  0.1029384E+04                                                                          Line 8(8): y, p, for stiff clay w/o water
  0.1593750E+00  0.1294382E+04                                                                          Line 8(9): y, p, for stiff clay w/o water
  0.3187500E+00  0.1539289E+04                                                                          Line 8(10): y, p, for stiff clay w/o water
  0.4781250E+00  0.1703503E+04                                                                          Line 8(11): y, p, for stiff clay w/o water
  0.6375000E+00  0.1830533E+04                                                                          Line 8(12): y, p, for stiff clay w/o water
  0.1593750E+01  0.2301774E+04                                                                          Line 8(13): y, p, for stiff clay w/o water
  0.3187500E+01  0.2737286E+04                                                                          Line 8(14): y, p, for stiff clay w/o water
  0.6375000E+01  0.3255200E+04                                                                          Line 8(15): y, p, for stiff clay w/o water
  0.1195313E+02  0.3809149E+04                                                                          Line 8(16): y, p, for stiff clay w/o water
  0.1753125E+02  0.3964453E+04                                                                          Line 8(17): y, p, for stiff clay w/o water
    2  101    1                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.1150093E+01  0.2505266E-05  0.3000000E+05  0.0000000E+00  0.1462240E+12              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.1112765E+01  0.2153405E+06  0.2990840E+05  0.0000000E+00  0.1453338E+12              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.1075515E+01  0.4306809E+06  0.2990840E+05  0.0000000E+00  0.1444472E+12              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.1038419E+01  0.6460214E+06  0.2990840E+05  0.0000000E+00  0.1435642E+12              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.1001557E+01  0.8613619E+06  0.2958170E+05 -0.9075077E+02  0.1426848E+12              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.9650070E+00  0.1071998E+07  0.2886290E+05 -0.1089146E+03  0.1418090E+12              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.9288493E+00  0.1276988E+07  0.2801283E+05 -0.1272160E+03  0.1409368E+12              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.8931612E+00  0.1475383E+07  0.2703081E+05 -0.1455666E+03  0.1400682E+12              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.8580193E+00  0.1666231E+07  0.2591683E+05 -0.1638726E+03  0.1392031E+12              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.8234978E+00  0.1848585E+07  0.2467157E+05 -0.1820344E+03  0.1383417E+12              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.7896691E+00  0.2021502E+07  0.2329644E+05 -0.1999456E+03  0.1374838E+12              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.7566026E+00  0.2184054E+07  0.2179366E+05 -0.2174932E+03  0.1366294E+12              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.7243647E+00  0.2335331E+07  0.2016628E+05 -0.2345558E+03  0.1357786E+12              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.6930185E+00  0.2474448E+07  0.1841827E+05 -0.2510036E+03  0.1349313E+12              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.6626230E+00  0.2600554E+07  0.1655455E+05 -0.2666963E+03  0.1340876E+12              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.6332328E+00  0.2712834E+07  0.1458111E+05 -0.2814822E+03  0.1332474E+12              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.6048981E+00  0.2810522E+07  0.1250507E+05 -0.2951959E+03  0.1324107E+12              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.5776638E+00  0.2892907E+07  0.1033480E+05 -0.3076553E+03  0.1315775E+12              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.5515692E+00  0.2959343E+07  0.8080072E+04 -0.3186586E+03  0.1307478E+12              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.5266479E+00  0.3009260E+07  0.5752176E+04 -0.3279790E+03  0.1299217E+12              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.5029274E+00  0.3042174E+07  0.3364165E+04 -0.3353574E+03  0.1290990E+12              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.4804285E+00  0.3057704E+07 -0.3260754E+04 -0.1504898E+04  0.1282797E+12              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.4591652E+00  0.2995219E+07 -0.1345193E+05 -0.1325985E+04  0.1274640E+12              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03  0.4391201E+00  0.2863996E+07 -0.2229621E+05 -0.1130761E+04  0.1266517E+12              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.4202473E+00  0.2674154E+07 -0.2969559E+05 -0.9246222E+03  0.1258429E+12              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.4024761E+00  0.2436379E+07 -0.3558812E+05 -0.7121907E+03  0.1250375E+12              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03  0.3857150E+00  0.2161685E+07 -0.3994145E+05 -0.4970678E+03  0.1242356E+12              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03  0.3698559E+00  0.1861222E+07 -0.4274478E+05 -0.2816352E+03  0.1234371E+12              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.3547784E+00  0.1546160E+07 -0.4399955E+05 -0.6691264E+02  0.1226421E+12              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03  0.3403545E+00  0.1227629E+07 -0.4370939E+05  0.1475152E+03  0.1218505E+12              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.3264529E+00  0.9167449E+06 -0.4186975E+05  0.3634955E+03  0.1210622E+12              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03  0.3129438E+00  0.6247045E+06 -0.3845799E+05  0.5842138E+03  0.1202774E+12              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03  0.2997040E+00  0.3629498E+06 -0.3342443E+05  0.8139969E+03  0.1194960E+12              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03  0.2866217E+00  0.1433927E+06 -0.2668527E+05  0.1057994E+04  0.1187180E+12              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03  0.2736019E+00 -0.2131805E+05 -0.1892214E+05  0.1098431E+04  0.1179433E+12              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.2605728E+00 -0.1290861E+06 -0.1129298E+05  0.1020779E+04  0.1171721E+12              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03  0.2474866E+00 -0.1839369E+06 -0.4256929E+04  0.9336792E+03  0.1164042E+12              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03  0.2343185E+00 -0.1903859E+06  0.2125483E+04  0.8392128E+03  0.1156397E+12              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03  0.2210650E+00 -0.1533300E+06  0.7803917E+04  0.7381300E+03  0.1148785E+12              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03  0.2077423E+00 -0.7800947E+05  0.1272768E+05  0.6295833E+03  0.1141207E+12              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03  0.1943842E+00  0.2994866E+05  0.1683342E+05  0.5108977E+03  0.1133662E+12              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03  0.1810398E+00  0.1643917E+06  0.1886161E+05  0.5248938E+02  0.1126150E+12              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03  0.1677711E+00  0.3015558E+06  0.1915946E+05  0.3024676E+02  0.1118672E+12              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03  0.1546421E+00  0.4402879E+06  0.1928626E+05  0.4974265E+01  0.1111227E+12              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03  0.1417185E+00  0.5792779E+06  0.1921726E+05 -0.2414056E+02  0.1103815E+12              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03  0.1290669E+00  0.7170164E+06  0.1892334E+05 -0.5750402E+02  0.1096436E+12              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03  0.1167544E+00  0.8517740E+06  0.1837086E+05 -0.9596276E+02  0.1089090E+12              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03  0.1048473E+00  0.9815568E+06  0.1752032E+05 -0.1402964E+03  0.1081777E+12              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03  0.9341058E-01  0.1104067E+07  0.1632710E+05 -0.1911544E+03  0.1074497E+12              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03  0.8250652E-01  0.1216667E+07  0.1474254E+05 -0.2490016E+03  0.1067250E+12              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03  0.7219344E-01  0.1316359E+07  0.1271552E+05 -0.3140589E+03  0.1060035E+12              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03  0.6252412E-01  0.1399771E+07  0.1019443E+05 -0.3862447E+03  0.1052852E+12              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03  0.5354401E-01  0.1463159E+07  0.7129508E+04 -0.4651219E+03  0.1045703E+12              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03  0.4528925E-01  0.1502435E+07  0.3475589E+04 -0.5498557E+03  0.1038585E+12              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03  0.3778441E-01  0.1513207E+07 -0.4065584E+03 -0.5285185E+03  0.1031501E+12              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03  0.3104007E-01  0.1496581E+07 -0.3940911E+04 -0.4532461E+03  0.1024448E+12              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03  0.2505304E-01  0.1456458E+07 -0.6942229E+04 -0.3804532E+03  0.1017428E+12              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03  0.1980810E-01  0.1396613E+07 -0.9434036E+04 -0.3117156E+03  0.1010439E+12              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03  0.1527969E-01  0.1320608E+07 -0.1145022E+05 -0.2483365E+03  0.1003483E+12              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03  0.1143351E-01  0.1231730E+07 -0.1303297E+05 -0.1913147E+03  0.9965590E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03  0.8228055E-02  0.1132933E+07 -0.1423050E+05 -0.1413328E+03  0.9896668E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03  0.5616048E-02  0.1026810E+07 -0.1509484E+05 -0.9876276E+02  0.9828064E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03  0.3545653E-02  0.9155677E+06 -0.1567965E+05 -0.6368276E+02  0.9759778E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03  0.1961570E-02  0.8010236E+06 -0.1603816E+05 -0.3590445E+02  0.9691810E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03  0.8059424E-03  0.6846182E+06 -0.1718560E+05 -0.2828292E+03  0.9624157E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03  0.1908057E-04  0.5535509E+06 -0.1823891E+05 -0.9756165E+01  0.9556820E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03 -0.4675132E-03  0.4219778E+06 -0.1725607E+05  0.2827662E+03  0.9489798E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03 -0.7235928E-03  0.3050634E+06 -0.1504143E+05  0.3324114E+03  0.9423090E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03 -0.8118454E-03  0.2053812E+06 -0.1261148E+05  0.3425755E+03  0.9356696E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03 -0.7863083E-03  0.1234581E+06 -0.1015312E+05  0.3403030E+03  0.9290614E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03 -0.6918837E-03  0.5917628E+05 -0.7739931E+04  0.3300269E+03  0.9224844E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03 -0.5642044E-03  0.1200307E+05 -0.5304326E+04  0.3465302E+03  0.9159385E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03 -0.4297316E-03 -0.1720601E+05 -0.3103744E+04  0.2647426E+03  0.9094237E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03 -0.3050668E-03 -0.3269084E+05 -0.1472026E+04  0.1885122E+03  0.9029399E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03 -0.1991706E-03 -0.3840319E+05 -0.3489700E+03  0.1234479E+03  0.8964869E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03 -0.1154813E-03 -0.3771600E+05  0.3538962E+03  0.7179270E+02  0.8900647E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03 -0.5375897E-04 -0.3330708E+05  0.7330279E+03  0.3352166E+02  0.8836733E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03 -0.1157594E-04 -0.2716040E+05  0.8797695E+03  0.7239906E+01  0.8773126E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03  0.1455813E-04 -0.2063840E+05  0.8729569E+03 -0.9132311E+01  0.8709825E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03  0.2840844E-04 -0.1458982E+05  0.7757349E+03 -0.1787379E+02  0.8646829E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.3351176E-04 -0.9467821E+04  0.6352586E+03 -0.2114741E+02  0.8584138E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03  0.3289742E-04 -0.5442100E+04  0.4841711E+03 -0.2082133E+02  0.8521750E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03  0.2897251E-04 -0.2495757E+04  0.3430051E+03 -0.1839144E+02  0.8459666E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03  0.2351823E-04 -0.5028263E+03  0.2228926E+03 -0.1497316E+02  0.8397883E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03  0.1775355E-04  0.7138961E+03  0.1281787E+03 -0.1133625E+02  0.8336403E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03  0.1243281E-04  0.1342947E+04  0.5870485E+02 -0.7962053E+01  0.8275223E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03  0.7953356E-05  0.1559246E+04  0.1165167E+02 -0.5108274E+01  0.8214343E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03  0.4457930E-05  0.1510732E+04 -0.1707581E+02 -0.2871582E+01  0.8153763E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03  0.1922996E-05  0.1313354E+04 -0.3188578E+02 -0.1242301E+01  0.8093481E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03  0.2292861E-06  0.1051576E+04 -0.3689286E+02 -0.1485536E+00  0.8033497E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03 -0.7858436E-06  0.7820972E+03 -0.3558944E+02  0.5106166E+00  0.7973810E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03 -0.1292510E-05  0.5390884E+03 -0.3071911E+02  0.8422526E+00  0.7914420E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03 -0.1446069E-05  0.3397420E+03 -0.2428490E+02  0.9450260E+00  0.7855326E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03 -0.1375421E-05  0.1893858E+03 -0.1763766E+02  0.9014320E+00  0.7796526E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03 -0.1178849E-05  0.8575976E+02 -0.1160319E+02  0.7748083E+00  0.7738021E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.9248224E-06  0.2229982E+02 -0.6619396E+01  0.6095790E+00  0.7679809E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.6557432E-06 -0.9559546E+01 -0.2864498E+01  0.4334484E+00  0.7621889E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.3931658E-06 -0.1894895E+02 -0.3658512E+00  0.2606201E+00  0.7564262E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03 -0.1435748E-06 -0.1482780E+02  0.9159690E+00  0.9544107E-01  0.7506926E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03  0.9577677E-07 -0.5758993E+01  0.1029709E+01 -0.6384677E-01  0.7449880E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03  0.3311209E-06  0.0000000E+00  0.0000000E+00 -0.2213520E+00  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.6303423E+00 -0.3808234E+07  0.3000000E+05  0.0000000E+00  0.1462240E+12              Line 10(  1) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+01  0.6296672E+00 -0.3581266E+07  0.3152339E+05  0.0000000E+00  0.1453338E+12              Line 10(  2) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+02  0.6277148E+00 -0.3354298E+07  0.3152339E+05  0.0000000E+00  0.1444472E+12              Line 10(  3) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+02  0.6245585E+00 -0.3127329E+07  0.3152339E+05  0.0000000E+00  0.1435642E+12              Line 10(  4) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+02  0.6202729E+00 -0.2900361E+07  0.3135784E+05 -0.4598436E+02  0.1426848E+12              Line 10(  5) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+02  0.6149336E+00 -0.2675776E+07  0.3098202E+05 -0.5841055E+02  0.1418090E+12              Line 10(  6) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+02  0.6086162E+00 -0.2454220E+07  0.3051474E+05 -0.7138967E+02  0.1409368E+12              Line 10(  7) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+02  0.6013960E+00 -0.2236364E+07  0.2995236E+05 -0.8482827E+02  0.1400682E+12              Line 10(  8) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+02  0.5933481E+00 -0.2022906E+07  0.2929189E+05 -0.9863486E+02  0.1392031E+12              Line 10(  9) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+02  0.5845469E+00 -0.1814561E+07  0.2853101E+05 -0.1127189E+03  0.1383417E+12              Line 10( 10) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+02  0.5750657E+00 -0.1612059E+07  0.2766806E+05 -0.1269896E+03  0.1374838E+12              Line 10( 11) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7920000E+02  0.5649767E+00 -0.1416141E+07  0.2670202E+05 -0.1413548E+03  0.1366294E+12              Line 10( 12) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.8640000E+02  0.5543503E+00 -0.1227550E+07  0.2563255E+05 -0.1557204E+03  0.1357786E+12              Line 10( 13) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.9360000E+02  0.5432553E+00 -0.1047032E+07  0.2446000E+05 -0.1699893E+03  0.1349313E+12              Line 10( 14) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1008000E+03  0.5317581E+00 -0.8753262E+06  0.2318542E+05 -0.1840606E+03  0.1340876E+12              Line 10( 15) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1080000E+03  0.5199224E+00 -0.7131620E+06  0.2181062E+05 -0.1978285E+03  0.1332474E+12              Line 10( 16) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1152000E+03  0.5078092E+00 -0.5612533E+06  0.2033818E+05 -0.2111814E+03  0.1324107E+12              Line 10( 17) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1224000E+03  0.4954763E+00 -0.4202922E+06  0.1877153E+05 -0.2240001E+03  0.1315775E+12              Line 10( 18) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1296000E+03  0.4829779E+00 -0.2909433E+06  0.1711497E+05 -0.2361556E+03  0.1307478E+12              Line 10( 19) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1368000E+03  0.4703640E+00 -0.1738367E+06  0.1537379E+05 -0.2475057E+03  0.1299217E+12              Line 10( 20) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1440000E+03  0.4576808E+00 -0.6956074E+05  0.1355436E+05 -0.2578902E+03  0.1290990E+12              Line 10( 21) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1512000E+03  0.4449697E+00  0.2134615E+05  0.1057293E+05 -0.5702857E+03  0.1282797E+12              Line 10( 22) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1584000E+03  0.4322672E+00  0.8268943E+05  0.6547873E+04 -0.5477854E+03  0.1274640E+12              Line 10( 23) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1656000E+03  0.4195984E+00  0.1156355E+06  0.2725704E+04 -0.5139283E+03  0.1266517E+12              Line 10( 24) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1728000E+03  0.4069768E+00  0.1219396E+06 -0.8118233E+03 -0.4687181E+03  0.1258429E+12              Line 10( 25) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1800000E+03  0.3944055E+00  0.1039453E+06 -0.3982163E+04 -0.4119317E+03  0.1250375E+12              Line 10( 26) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1872000E+03  0.3818773E+00  0.6459642E+05 -0.6699927E+04 -0.3430028E+03  0.1242356E+12              Line 10( 27) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.1944000E+03  0.3693760E+00  0.7466315E+04 -0.8874042E+04 -0.2609178E+03  0.1234371E+12              Line 10( 28) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2016000E+03  0.3568779E+00 -0.6318977E+05 -0.1040421E+05 -0.1641294E+03  0.1226421E+12              Line 10( 29) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2088000E+03  0.3443531E+00 -0.1423543E+06 -0.1117688E+05 -0.5050018E+02  0.1218505E+12              Line 10( 30) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2160000E+03  0.3317677E+00 -0.2241368E+06 -0.1106091E+05  0.8271227E+02  0.1210622E+12              Line 10( 31) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2232000E+03  0.3190863E+00 -0.3016315E+06 -0.9903422E+04  0.2388134E+03  0.1202774E+12              Line 10( 32) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2304000E+03  0.3062750E+00 -0.3667461E+06 -0.7526100E+04  0.4215540E+03  0.1194960E+12              Line 10( 33) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2376000E+03  0.2933045E+00 -0.4100073E+06 -0.3722817E+04  0.6349136E+03  0.1187180E+12              Line 10( 34) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2448000E+03  0.2801550E+00 -0.4203547E+06  0.9369744E+03  0.6594728E+03  0.1179433E+12              Line 10( 35) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2520000E+03  0.2668207E+00 -0.3965149E+06  0.5394459E+04  0.5787175E+03  0.1171721E+12              Line 10( 36) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2592000E+03  0.2533110E+00 -0.3426744E+06  0.9274586E+04  0.4990955E+03  0.1164042E+12              Line 10( 37) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2664000E+03  0.2396487E+00 -0.2629609E+06  0.1258490E+05  0.4204348E+03  0.1156397E+12              Line 10( 38) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2736000E+03  0.2258685E+00 -0.1614520E+06  0.1532717E+05  0.3413072E+03  0.1148785E+12              Line 10( 39) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2808000E+03  0.2120155E+00 -0.4224967E+05  0.1748792E+05  0.2589009E+03  0.1141207E+12              Line 10( 40) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2880000E+03  0.1981432E+00  0.9037403E+05  0.1902808E+05  0.1689214E+03  0.1133662E+12              Line 10( 41) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.2952000E+03  0.1843123E+00  0.2317546E+06  0.1966943E+05  0.9233658E+01  0.1126150E+12              Line 10( 42) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3024000E+03  0.1705881E+00  0.3736139E+06  0.1967376E+05 -0.8032189E+01  0.1118672E+12              Line 10( 43) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3096000E+03  0.1570370E+00  0.5150568E+06  0.1954361E+05 -0.2812081E+02  0.1111227E+12              Line 10( 44) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3168000E+03  0.1437262E+00  0.6550419E+06  0.1925544E+05 -0.5192677E+02  0.1103815E+12              Line 10( 45) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3240000E+03  0.1307230E+00  0.7923351E+06  0.1877912E+05 -0.8038359E+02  0.1096436E+12              Line 10( 46) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3312000E+03  0.1180944E+00  0.9254612E+06  0.1807797E+05 -0.1143795E+03  0.1089090E+12              Line 10( 47) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3384000E+03  0.1059064E+00  0.1052658E+07  0.1710923E+05 -0.1547151E+03  0.1081777E+12              Line 10( 48) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3456000E+03  0.9422278E-01  0.1171834E+07  0.1582486E+05 -0.2020540E+03  0.1074497E+12              Line 10( 49) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3528000E+03  0.8310454E-01  0.1280536E+07  0.1417275E+05 -0.2568663E+03  0.1067250E+12              Line 10( 50) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3600000E+03  0.7260830E-01  0.1375922E+07  0.1209830E+05 -0.3193696E+03  0.1060035E+12              Line 10( 51) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3672000E+03  0.6278494E-01  0.1454751E+07  0.9546481E+04 -0.3894696E+03  0.1052852E+12              Line 10( 52) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3744000E+03  0.5367787E-01  0.1513391E+07  0.6464248E+04 -0.4667062E+03  0.1045703E+12              Line 10( 53) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3816000E+03  0.4532105E-01  0.1547837E+07  0.2803340E+04 -0.5502124E+03  0.1038585E+12              Line 10( 54) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3888000E+03  0.3773682E-01  0.1553759E+07 -0.1078094E+04 -0.5279639E+03  0.1031501E+12              Line 10( 55) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.3960000E+03  0.3093346E-01  0.1532312E+07 -0.4605603E+04 -0.4518995E+03  0.1024448E+12              Line 10( 56) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4032000E+03  0.2490550E-01  0.1487439E+07 -0.7594872E+04 -0.3784532E+03  0.1017428E+12              Line 10( 57) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4104000E+03  0.1963541E-01  0.1422946E+07 -0.1007052E+05 -0.3092258E+03  0.1010439E+12              Line 10( 58) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4176000E+03  0.1509536E-01  0.1342423E+07 -0.1206765E+05 -0.2455322E+03  0.1003483E+12              Line 10( 59) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4248000E+03  0.1124880E-01  0.1249172E+07 -0.1362969E+05 -0.1883703E+03  0.9965590E+11              Line 10( 60) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4320000E+03  0.8052056E-02  0.1146155E+07 -0.1480611E+05 -0.1384116E+03  0.9896668E+11              Line 10( 61) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4392000E+03  0.5455678E-02  0.1035964E+07 -0.1565001E+05 -0.9600667E+02  0.9828064E+11              Line 10( 62) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4464000E+03  0.3405739E-02  0.9207953E+06 -0.1621598E+05 -0.6120540E+02  0.9759778E+11              Line 10( 63) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4536000E+03  0.1844890E-02  0.8024538E+06 -0.1655794E+05 -0.3378511E+02  0.9691810E+11              Line 10( 64) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4608000E+03  0.7132606E-03  0.6823609E+06 -0.1766713E+05 -0.2743210E+03  0.9624157E+11              Line 10( 65) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4680000E+03 -0.5081872E-04  0.5480472E+06 -0.1854437E+05  0.3064155E+02  0.9556820E+11              Line 10( 66) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4752000E+03 -0.5176154E-03  0.4153219E+06 -0.1730701E+05  0.3130696E+03  0.9489798E+11              Line 10( 67) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4824000E+03 -0.7575339E-03  0.2988262E+06 -0.1496948E+05  0.3362459E+03  0.9423090E+11              Line 10( 68) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4896000E+03 -0.8330568E-03  0.1997614E+06 -0.1251773E+05  0.3447947E+03  0.9356696E+11              Line 10( 69) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.4968000E+03 -0.7979034E-03  0.1185709E+06 -0.1004688E+05  0.3415537E+03  0.9290614E+11              Line 10( 70) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5040000E+03 -0.6965896E-03  0.5508643E+05 -0.7627160E+04  0.3305897E+03  0.9224844E+11              Line 10( 71) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5112000E+03 -0.5643194E-03  0.8739759E+04 -0.5189274E+04  0.3466008E+03  0.9159385E+11              Line 10( 72) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5184000E+03 -0.4271027E-03 -0.1963912E+05 -0.2994268E+04  0.2631230E+03  0.9094237E+11              Line 10( 73) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5256000E+03 -0.3010809E-03 -0.3437771E+05 -0.1377249E+04  0.1860492E+03  0.9029399E+11              Line 10( 74) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5328000E+03 -0.1947962E-03 -0.3947150E+05 -0.2728197E+03  0.1207366E+03  0.8964869E+11              Line 10( 75) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5400000E+03 -0.1113362E-03 -0.3830631E+05  0.4110088E+03  0.6921574E+02  0.8900647E+11              Line 10( 76) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5472000E+03 -0.5018690E-04 -0.3355298E+05  0.7728448E+03  0.3129428E+02  0.8836733E+11              Line 10( 77) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5544000E+03 -0.8721198E-05 -0.2717735E+05  0.9051404E+03  0.5454474E+01  0.8773126E+11              Line 10( 78) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5616000E+03  0.1668554E-04 -0.2051895E+05  0.8870959E+03 -0.1046683E+02  0.8709825E+11              Line 10( 79) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5688000E+03  0.2987960E-04 -0.1440316E+05  0.7817374E+03 -0.1879941E+02  0.8646829E+11              Line 10( 80) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5760000E+03  0.3443859E-04 -0.9261936E+04  0.6358233E+03 -0.2173228E+02  0.8584138E+11              Line 10( 81) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5832000E+03  0.3340426E-04 -0.5247309E+04  0.4814755E+03 -0.2114212E+02  0.8521750E+11              Line 10( 82) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5904000E+03  0.2917785E-04 -0.2328689E+04  0.3386854E+03 -0.1852178E+02  0.8459666E+11              Line 10( 83) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.5976000E+03  0.2352444E-04 -0.3702389E+03  0.2180894E+03 -0.1497711E+02  0.8397883E+11              Line 10( 84) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6048000E+03  0.1764248E-04  0.8117982E+03  0.1236166E+03 -0.1126533E+02  0.8336403E+11              Line 10( 85) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6120000E+03  0.1226534E-04  0.1409841E+04  0.5478416E+02 -0.7854807E+01  0.8275223E+11              Line 10( 86) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6192000E+03  0.7771399E-05  0.1600690E+04  0.8537787E+01 -0.4991406E+01  0.8214343E+11              Line 10( 87) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6264000E+03  0.4287634E-05  0.1532785E+04 -0.1937406E+02 -0.2761886E+01  0.8153763E+11              Line 10( 88) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6336000E+03  0.1778384E-05  0.1321704E+04 -0.3345282E+02 -0.1148879E+01  0.8093481E+11              Line 10( 89) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6408000E+03  0.1157058E-06  0.1051064E+04 -0.3785866E+02 -0.7496535E-01  0.8033497E+11              Line 10( 90) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6480000E+03 -0.8687230E-06  0.7765389E+03 -0.3609644E+02  0.5644691E+00  0.7973810E+11              Line 10( 91) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6552000E+03 -0.1348302E-05  0.5312755E+03 -0.3090136E+02  0.8786091E+00  0.7914420E+11              Line 10( 92) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6624000E+03 -0.1479892E-05  0.3315593E+03 -0.2425670E+02  0.9671294E+00  0.7855326E+11              Line 10( 93) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6696000E+03 -0.1392674E-05  0.1819790E+03 -0.1748918E+02  0.9127392E+00  0.7796526E+11              Line 10( 94) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6768000E+03 -0.1184457E-05  0.7971511E+02 -0.1140074E+02  0.7784942E+00  0.7738021E+11              Line 10( 95) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6840000E+03 -0.9228349E-06  0.1780838E+02 -0.6408389E+01  0.6082690E+00  0.7679809E+11              Line 10( 96) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6912000E+03 -0.6491922E-06 -0.1256569E+02 -0.2673795E+01  0.4291182E+00  0.7621889E+11              Line 10( 97) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.6984000E+03 -0.3840960E-06 -0.2069427E+02 -0.2123810E+00  0.2546079E+00  0.7564262E+11              Line 10( 98) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7056000E+03 -0.1331822E-06 -0.1562397E+02  0.1022925E+01  0.8853259E-01  0.7506926E+11              Line 10( 99) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7128000E+03  0.1069424E-06 -0.5964151E+01  0.1084998E+01 -0.7128998E-01  0.7449880E+11              Line 10(100) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
  0.7200000E+03  0.3429167E-06  0.0000000E+00  0.0000000E+00 -0.2292374E+00  0.7394130E+11              Line 10(101) : nodal depth, y(in), M(in-lbs), V(lbs), p(lb/in), EI(lb-in2)
   18                                                                                                   Line 11: Num. points on Ytop vs. pile length curve for load case 2
  0.7200000E+03  0.6303423E+00  0.3808234E+07  0.3152339E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.6840000E+03  0.6302125E+00  0.3808747E+07  0.3152811E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.6480000E+03  0.6298986E+00  0.3809144E+07  0.3153278E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.6120000E+03  0.6291955E+00  0.3806732E+07  0.3153626E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.5760000E+03  0.6302353E+00  0.3810784E+07  0.3154248E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.5400000E+03  0.6288756E+00  0.3804351E+07  0.3154425E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.5040000E+03  0.6290254E+00  0.3806557E+07  0.3154968E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.4680000E+03  0.6282614E+00  0.3803244E+07  0.3155278E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.4320000E+03  0.6282043E+00  0.3801358E+07  0.3155648E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3960000E+03  0.6278295E+00  0.3795315E+07  0.3155842E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3600000E+03  0.6281144E+00  0.3797513E+07  0.3156385E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3240000E+03  0.6271816E+00  0.3797908E+07  0.3156851E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2880000E+03  0.6268238E+00  0.3800031E+07  0.3157391E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2520000E+03  0.6227519E+00  0.3780121E+07  0.3156997E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.2160000E+03  0.6309793E+00  0.3858532E+07  0.3160770E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.1800000E+03  0.6377200E+00  0.3939603E+07  0.3164655E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.1440000E+03  0.8864256E+00  0.3138064E+07  0.3131140E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.1080000E+03  0.4517582E+01  0.2341456E+07  0.3097838E+05                                            Line 12: pile length (in), Ytop (in), Max Moment(in-lb), Max Shear(lbs)
  0.3000000E+05  0.1150093E+01  0.3057704E+07 -0.4399955E+05 -0.5184334E-02                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
  0.3000000E+05  0.6303423E+00 -0.3808234E+07  0.3152339E+05  0.1233581E-15                             Line 13: TopV(lbs), TopY(in), Max Moment(in-lbs), Max Shear(lbs), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
